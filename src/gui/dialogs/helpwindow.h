// THelpF: the program's help window: the user manual, an HTML file, in a
// browser view with back, forward and contents.
#pragma once

#include <QWidget>

class QTextBrowser;

class THelpF : public QWidget {
    Q_OBJECT
public:
    explicit THelpF(QWidget* parent = nullptr);

    // Shows the manual at its contents.
    void ShowContents(const QString& fileName);
    QString Source() const;

private:
    QTextBrowser* Browser = nullptr;
};

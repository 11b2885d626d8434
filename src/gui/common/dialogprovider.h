// DialogProvider: the common dialogs the windows use (file names, font,
// printer set-up), behind one interface so tests can answer them without
// showing a window.
#pragma once

#include <QString>

class QFont;
class QPrinter;
class QWidget;

// A save dialog: its filters ("Text Files (*.txt);;All Files (*)"), the suffix
// added to a name typed without one, the name it starts with. It always asks
// before overwriting an existing file.
struct SaveRequest {
    QString filter;
    QString defaultSuffix;
    QString initialName;
};

class DialogProvider {
public:
    virtual ~DialogProvider() = default;
    // The chosen file, empty when cancelled; the dialog has the platform's title.
    QString OpenFileName(QWidget* parent, const QString& filter) {
        return OpenFileName(parent, filter, QString());
    }
    // The same with a title of its own ("Specify filename for : entries").
    virtual QString OpenFileName(QWidget* parent, const QString& filter, const QString& title) = 0;
    virtual QString SaveFileName(QWidget* parent, const SaveRequest& request) = 0;
    // A folder chosen (or made) in the folder dialog with the title, starting
    // in the folder given; empty when cancelled.
    virtual QString ExistingFolder(QWidget* parent, const QString& title, const QString& start) = 0;
    // The font dialog, offering fixed-pitch fonts and starting from the font
    // given (every font when the given one is not among those the font
    // database calls fixed-pitch); true when the user confirmed a font (then
    // in font).
    virtual bool ChooseFont(QWidget* parent, QFont& font) = 0;
    // The printer set-up dialog; its choice stays in the printer.
    virtual void SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The platform's own dialogs.
class StandardDialogs : public DialogProvider {
public:
    using DialogProvider::OpenFileName;
    QString OpenFileName(QWidget* parent, const QString& filter, const QString& title) override;
    QString SaveFileName(QWidget* parent, const SaveRequest& request) override;
    QString ExistingFolder(QWidget* parent, const QString& title, const QString& start) override;
    bool ChooseFont(QWidget* parent, QFont& font) override;
    void SetUpPrinter(QWidget* parent, QPrinter& printer) override;
};

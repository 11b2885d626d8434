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
    // The chosen file, empty when cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const SaveRequest& request) = 0;
    // The font dialog, offering fixed-pitch fonts and starting from the font
    // given; true when the user confirmed a font (then in font).
    virtual bool ChooseFont(QWidget* parent, QFont& font) = 0;
    // The printer set-up dialog; its choice stays in the printer.
    virtual void SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The platform's own dialogs.
class StandardDialogs : public DialogProvider {
public:
    QString OpenFileName(QWidget* parent, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const SaveRequest& request) override;
    bool ChooseFont(QWidget* parent, QFont& font) override;
    void SetUpPrinter(QWidget* parent, QPrinter& printer) override;
};

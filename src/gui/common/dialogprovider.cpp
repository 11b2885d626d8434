#include "gui/common/dialogprovider.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>

// Each dialog is made for its one question, so its title and filter end with it.
QString StandardDialogs::OpenFileName(QWidget* parent, const QString& filter,
                                      const QString& title) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString StandardDialogs::SaveFileName(QWidget* parent, const SaveRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString StandardDialogs::ExistingFolder(QWidget* parent, const QString& title,
                                        const QString& start) {
    return QFileDialog::getExistingDirectory(parent, title, start);
}

bool StandardDialogs::ChooseFont(QWidget* parent, QFont& font) {
    bool ok = false;
    // Reports line up in columns only in a fixed-pitch font, so the dialog
    // lists the families the font database calls fixed-pitch; but it starts
    // on the font in use, and a family monospaced in every character a report
    // uses may not be among them: then it lists every family.
    const QFontDialog::FontDialogOptions options = QFontDatabase::isFixedPitch(font.family())
                                                       ? QFontDialog::MonospacedFonts
                                                       : QFontDialog::FontDialogOptions();
    const QFont chosen = QFontDialog::getFont(&ok, font, parent, QString(), options);
    if (ok)
        font = chosen;
    return ok;
}

void StandardDialogs::SetUpPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    dialog.exec();
}

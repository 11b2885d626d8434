// Output -> Publish to Folder...: the regatta's web site written into a
// folder, and the list of what changed since the last publication there,
// shown in the report view.
#include "gui/mainwindow/mainwindow.h"

#include "engine/publish/publish.h"
#include "gui/common/dialogprovider.h"
#include "gui/common/textconversion.h"
#include "gui/mainwindow/reportview.h"
#include "store/settingsstore.h"

#include <QFileInfo>

#include <chrono>

void TForm1::PublishToFolder() {
    const bm::Boatmeet* meet = session_.Meet();
    if (!meet)
        return;
    const std::string& meetFile = session_.FileName();
    QString start = Text(store_.PublishFolder(meetFile));
    if (start.isEmpty() && !meetFile.empty())
        start = QFileInfo(Text(meetFile)).absolutePath();
    const QString folder = dialogs_.ExistingFolder(this, Text("Publish to Folder"), start);
    if (folder.isEmpty())
        return;
    store_.SetPublishFolder(meetFile, folder.toStdString());
    const bm::PublishResult result =
        bm::PublishSite(*meet, {folder.toStdString(),
                                bm::PublicationTimeText(std::chrono::system_clock::now()), false});
    if (!result.Ok) {
        session_.Messages().Inform(result.Error);
        return;
    }
    // The change list stays on screen, as the import report does, after the
    // files of earlier publications that were kept.
    std::vector<std::string> lines = result.Kept;
    if (!lines.empty())
        lines.emplace_back();
    lines.insert(lines.end(), result.Changes.begin(), result.Changes.end());
    Panel1->ShowLocked(lines);
}

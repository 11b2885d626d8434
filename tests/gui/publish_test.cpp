// Output -> Publish to Folder... in the main window: the folder chosen in the
// folder dialog and offered again for the same meet, the change list shown in
// the report view, and a folder that cannot be written told in a message.
#include "guitestsupport.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QTest>

using namespace guitest;

class PublishTest : public WindowTest {
    Q_OBJECT

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }
    void publishingShowsTheChangesAndRemembersTheFolder();
};

void PublishTest::publishingShowsTheChangesAndRemembersTheFolder() {
    const std::string meet = WriteRegatta(*dir_, "regatta.bmf", true);
    QAction* publish = Action(Form(), "PublishToFolder");
    QVERIFY(publish && !publish->isEnabled());
    Form().OpenFile(Q(meet));
    QVERIFY(publish->isEnabled());

    // The first time the dialog starts in the meet's folder.
    const QString site = Q(dir_->File("site"));
    dialogs_->folderNames = {site};
    publish->trigger();
    QCOMPARE(dialogs_->folderTitles.back(), QStringLiteral("Publish to Folder"));
    QCOMPARE(dialogs_->folderStarts.back(), Q(dir_->Path().string()));
    QVERIFY(QFileInfo::exists(site + QStringLiteral("/index.html")));
    QCOMPARE(Form().Report().ViewLines(),
             std::vector<std::string>{"First publication into this folder: there is no earlier "
                                      "publication to compare with."});
    QVERIFY(Child<QCheckBox>(&Form(), "DisplayLock_CB")->isChecked());

    // Then in the folder it was published to; a cancelled dialog does nothing.
    dialogs_->folderNames = {site};
    publish->trigger();
    QCOMPARE(dialogs_->folderStarts.back(), site);
    QVERIFY(Form().Report().ViewLines().front().starts_with(
        "Nothing has changed since publication 1 ("));
    publish->trigger();
    QCOMPARE(dialogs_->folderStarts.size(), std::size_t{3});
    QVERIFY(messages_->informed.empty());

    // A folder inside the meet file cannot be made.
    dialogs_->folderNames = {Q(meet + "/site")};
    publish->trigger();
    QCOMPARE(messages_->informed.size(), std::size_t{1});
    QVERIFY(messages_->informed.front().starts_with(
        "The site could not be written into the folder " + meet + "/site: "));
}

QTEST_MAIN(PublishTest)
#include "publish_test.moc"

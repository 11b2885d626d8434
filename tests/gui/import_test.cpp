#include "guitestsupport.h"

#include <QTest>
class ImportTest : public guitest::WindowTest {
    Q_OBJECT
private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }
};
QTEST_MAIN(ImportTest)
#include "import_test.moc"

#include <QtTest>
class UpdateDialogsTest : public QObject { Q_OBJECT };
QTEST_MAIN(UpdateDialogsTest)
#include "update_dialogs_test.moc"

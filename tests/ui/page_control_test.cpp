#include <QTest>
class T : public QObject { Q_OBJECT };
QTEST_MAIN(T)
#include "page_control_test.moc"

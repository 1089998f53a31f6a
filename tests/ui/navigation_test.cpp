#include <QTest>
class T : public QObject { Q_OBJECT };
QTEST_MAIN(T)
#include "navigation_test.moc"

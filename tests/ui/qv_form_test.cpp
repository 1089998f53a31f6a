#include <QTest>
class T : public QObject { Q_OBJECT };
QTEST_MAIN(T)
#include "qv_form_test.moc"

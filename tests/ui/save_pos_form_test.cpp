#include <QTest>
class T : public QObject { Q_OBJECT };
QTEST_MAIN(T)
#include "save_pos_form_test.moc"

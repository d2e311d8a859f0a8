// A member's entry fitted to a width: the name is cut, the birth date kept.
#include "EntryElision.h"

#include <QTest>

class TestEntryElision : public QObject {
    Q_OBJECT
private slots:
    void fitted_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("width"); // in characters
        QTest::addColumn<QString>("shown");
        const QString longName = QString(55, 'F') + " GIL";
        QTest::newRow("fits") << "RUIZ, ANA - 01/01/1990" << 22 << "RUIZ, ANA - 01/01/1990";
        QTest::newRow("name cut") << longName + " - 01/01/1990" << 20 << "FFFFFF… - 01/01/1990";
        QTest::newRow("blank before the cut dropped") << "ABCDE FGH - 01/01/1990" << 20 << "ABCDE… - 01/01/1990";
        QTest::newRow("no date") << "ABCDEFGHIJ" << 5 << "ABCD…";
        QTest::newRow("only the date fits") << longName + " - 01/01/1990" << 14 << "… - 01/01/1990";
    }
    void fitted()
    {
        QFETCH(QString, entry);
        QFETCH(int, width);
        QFETCH(QString, shown);
        QCOMPARE(ElideEntryName(entry, width, [](const QString& text) { return int(text.size()); }), shown);
    }
};

QTEST_MAIN(TestEntryElision)
#include "tst_entryelision.moc"

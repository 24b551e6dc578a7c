#include "TestMain.h"

#include "register/KeptGenerations.h"

class TestKeptGenerations : public QObject
{
    Q_OBJECT

private slots:
    void forgetsWhatWasNotUsedLately();
};

// Each step adds a value ("+k", weighing its number of letters), looks one up
// ("?k") or forgets one ("-k"); the step answers what it found and the weight
// kept after it.
void TestKeptGenerations::forgetsWhatWasNotUsedLately()
{
    KeptGenerations<QString, int> kept(4, 4);
    const QStringList steps{
        QStringLiteral("+a"), QStringLiteral("+b"), QStringLiteral("+c"), QStringLiteral("+d"),
        // The fifth turns the generation: a to d are the previous one now.
        QStringLiteral("+e"), QStringLiteral("?a"), QStringLiteral("+f"), QStringLiteral("+g"),
        // a, looked up, came back with e; b, c and d go at the next turn.
        QStringLiteral("+h"), QStringLiteral("?b"), QStringLiteral("?d"), QStringLiteral("?a"), QStringLiteral("?h"),
        QStringLiteral("?f"),
        // A value heavier than what is left turns the generation early; one
        // heavier than a whole generation is still kept, alone.
        QStringLiteral("+ii"), QStringLiteral("+jjj"), QStringLiteral("+kkkkk"), QStringLiteral("?jjj"),
        QStringLiteral("?kkkkk"), QStringLiteral("?g"),
        // Forgotten from either generation, a value no longer weighs; an
        // emptied current generation takes the next value without turning.
        QStringLiteral("-jjj"), QStringLiteral("-kkkkk"), QStringLiteral("-kkkkk"), QStringLiteral("?jjj"),
        QStringLiteral("+l"), QStringLiteral("+mmmm"), QStringLiteral("-l"), QStringLiteral("?mmmm")};
    QStringList answers;
    int made = 0;
    for (const QString& step : steps) {
        const QString key = step.mid(1);
        QString found;
        if (step.startsWith(u'-')) {
            found = kept.remove(key) ? QStringLiteral("yes") : QStringLiteral("no");
        } else {
            const int* value = step.startsWith(u'+') ? kept.insert(key, ++made, key.size()) : kept.find(key);
            found = value ? QString::number(*value) : QStringLiteral("-");
        }
        answers.append(QStringLiteral("%1 %2 %3").arg(step, found).arg(kept.weight()));
    }
    const QStringList expected{
        QStringLiteral("+a 1 1"),     QStringLiteral("+b 2 2"),    QStringLiteral("+c 3 3"),
        QStringLiteral("+d 4 4"),     QStringLiteral("+e 5 5"),    QStringLiteral("?a 1 5"),
        QStringLiteral("+f 6 6"),     QStringLiteral("+g 7 7"),    QStringLiteral("+h 8 5"),
        QStringLiteral("?b - 5"),     QStringLiteral("?d - 5"),    QStringLiteral("?a 1 5"),
        QStringLiteral("?h 8 5"),     QStringLiteral("?f 6 5"),    QStringLiteral("+ii 9 5"),
        QStringLiteral("+jjj 10 5"),  QStringLiteral("+kkkkk 11 8"), QStringLiteral("?jjj 10 8"),
        QStringLiteral("?kkkkk 11 8"), QStringLiteral("?g - 8"),  QStringLiteral("-jjj yes 5"),
        QStringLiteral("-kkkkk yes 0"), QStringLiteral("-kkkkk no 0"), QStringLiteral("?jjj - 0"),
        QStringLiteral("+l 12 1"),    QStringLiteral("+mmmm 13 5"), QStringLiteral("-l yes 4"),
        QStringLiteral("?mmmm 13 4")};
    QCOMPARE(answers, expected);
}

VELLUMRY_TEST_MAIN(TestKeptGenerations)
#include "tst_keptgenerations.moc"

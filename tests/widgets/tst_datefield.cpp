#include "TempDatabase.h"
#include "TestMain.h"

#include "data/Clock.h"
#include "data/PreferencesRepository.h"
#include "widgets/DateField.h"
#include "widgets/ThemeManager.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

// Today is Friday 15 March 2024. The field sits above a second line edit, so Tab leaves it.
class TestDateField : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Clock::setFixedNow(QDateTime(QDate(2024, 3, 15), QTime(12, 0), Qt::UTC));
        m_window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(m_window.get());
        layout->addWidget(m_field = new DateField);
        layout->addWidget(new QLineEdit);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_field->setFocus();
    }
    void cleanup()
    {
        m_window.reset();
        Clock::reset();
    }
    void typing_data();
    void typing();
    void calendarPopup_data();
    void calendarPopup();

private:
    std::unique_ptr<QWidget> m_window;
    DateField* m_field = nullptr;
};

void TestDateField::typing_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("typedOver"); // replaces the text first unless empty
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("expected");

    const QDate friday(2024, 3, 15), saturday(2024, 2, 10);
    QTest::newRow("M/d/yyyy") << friday << "12/25/2024" << "\t" << QDate(2024, 12, 25);
    QTest::newRow("leading zeros") << friday << "03/05/2024" << "\t" << QDate(2024, 3, 5);
    QTest::newRow("two-digit year is this century") << friday << "1/5/24" << "\t" << QDate(2024, 1, 5);
    QTest::newRow("MM/dd/yy") << friday << "01/05/99" << "\t" << QDate(2099, 1, 5);
    QTest::newRow("29 February 00") << friday << "2/29/00" << "\t" << QDate(2000, 2, 29);
    QTest::newRow("no 29 February 01") << friday << "2/29/01" << "\t" << friday;
    QTest::newRow("day-first not read") << friday << "25/12/2024" << "\t" << friday;
    QTest::newRow("letters snap back") << friday << "abc" << "\t" << friday;
    QTest::newRow("blanks around") << friday << " 7/4/2024 " << "\t" << QDate(2024, 7, 4);
    QTest::newRow("h") << friday << "" << "h" << QDate(2024, 3, 31);
    QTest::newRow("m") << friday << "" << "m" << QDate(2024, 3, 1);
    QTest::newRow("w") << friday << "" << "w" << QDate(2024, 3, 10);
    QTest::newRow("k") << friday << "" << "k" << QDate(2024, 3, 16);
    QTest::newRow("y") << friday << "" << "y" << QDate(2024, 1, 1);
    QTest::newRow("r") << friday << "" << "r" << QDate(2024, 12, 31);
    QTest::newRow("-") << friday << "" << "-" << QDate(2024, 3, 14);
    QTest::newRow("=") << friday << "" << "=" << QDate(2024, 3, 16);
    QTest::newRow("T") << QDate(2023, 7, 1) << "" << "T" << friday;
    QTest::newRow("k on a Saturday") << saturday << "" << "k" << saturday;
    QTest::newRow("w on a Saturday") << saturday << "" << "w" << QDate(2024, 2, 4);
    QTest::newRow("k on a Sunday") << QDate(2024, 2, 4) << "" << "k" << saturday;
    QTest::newRow("h leap February") << saturday << "" << "h" << QDate(2024, 2, 29);
    QTest::newRow("+ ignores typed text") << friday << "4/1/2024" << "+" << QDate(2024, 3, 16);
}

void TestDateField::typing()
{
    QFETCH(QDate, start);
    QFETCH(QString, typedOver);
    QFETCH(QString, keys);
    QFETCH(QDate, expected);

    m_field->setDate(start);
    QSignalSpy changed(m_field, &DateField::dateChanged);
    if (!typedOver.isEmpty()) {
        m_field->selectAll();
        QTest::keyClicks(m_field, typedOver);
        QCOMPARE(m_field->text(), typedOver);
    }
    QTest::keyClicks(m_field, keys);

    const QString shown = expected.toString(QStringLiteral("M/d/yyyy"));
    QCOMPARE(m_field->text(), shown);
    QCOMPARE(changed, expected == start ? QList<QList<QVariant>>{} : QList<QList<QVariant>>{{expected}});
    // A letter key leaves the whole text selected, so the next key replaces it.
    QCOMPARE(m_field->selectedText(), m_field->hasFocus() ? shown : QString());
}

void TestDateField::calendarPopup_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("weekStartDay");
    QTest::addColumn<QString>("typedOver");
    QTest::addColumn<QDate>("shown"); // invalid: no calendar opens
    QTest::addColumn<int>("clickedDay"); // 0: Escape

    QTest::newRow("Alt+Left opens nothing") << "Alt+Left" << "1" << "" << QDate() << 0;
    QTest::newRow("F4, Monday") << "F4" << "1" << "" << QDate(2024, 3, 15) << 20;
    QTest::newRow("Alt+Down, typed text") << "Alt+Down" << "7" << "6/2/2024" << QDate(2024, 6, 2) << 20;
    QTest::newRow("icon, unparsable text") << "icon" << "6" << "abc" << QDate(2024, 3, 15) << 20;
    QTest::newRow("Escape") << "F4" << "1" << "" << QDate(2024, 3, 15) << 0;
}

void TestDateField::calendarPopup()
{
    QFETCH(QString, opener);
    QFETCH(QString, weekStartDay);
    QFETCH(QString, typedOver);
    QFETCH(QDate, shown);
    QFETCH(int, clickedDay);

    TempDatabase db;
    PreferencesRepository preferences(db.database());
    QVERIFY(preferences.set(QStringLiteral("weekStartDay"), weekStartDay));
    ThemeManager(&preferences).applyStoredPreferences();
    m_field->selectAll();
    QTest::keyClicks(m_field, typedOver);
    const QAction* action = m_field->findChild<QAction*>(QStringLiteral("calendarAction"));
    QCOMPARE(action->toolTip(), QStringLiteral("Open calendar (F4)"));
    if (opener == QLatin1String("icon"))
        QTest::mouseClick(m_field->findChild<QToolButton*>(), Qt::LeftButton);
    else if (opener == QLatin1String("F4"))
        QTest::keyClick(m_field, Qt::Key_F4);
    else
        QTest::keyClick(m_field, opener == QLatin1String("Alt+Down") ? Qt::Key_Down : Qt::Key_Left, Qt::AltModifier);

    QPointer<QCalendarWidget> calendar = m_field->findChild<QCalendarWidget*>(QStringLiteral("calendarPopup"));
    if (!shown.isValid()) {
        QVERIFY(!calendar);
        return;
    }
    QVERIFY(calendar && calendar->isVisible());
    QCOMPARE(calendar->windowType(), Qt::Popup);
    QCOMPARE(calendar->firstDayOfWeek(), Qt::DayOfWeek(weekStartDay.toInt()));
    QCOMPARE(calendar->selectedDate(), shown);

    QSignalSpy changed(m_field, &DateField::dateChanged);
    const QDate expected = clickedDay ? QDate(shown.year(), shown.month(), clickedDay) : m_field->date();
    const auto* grid = calendar->findChild<QTableView*>();
    const QAbstractItemModel* days = grid->model();
    // The last six rows and seven columns hold the days; a mid-month day appears once.
    QModelIndex day;
    for (int row = days->rowCount() - 6; row < days->rowCount(); ++row) {
        for (int column = days->columnCount() - 7; column < days->columnCount(); ++column) {
            if (days->index(row, column).data().toString() == QString::number(clickedDay))
                day = days->index(row, column);
        }
    }
    if (clickedDay)
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(day).center());
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    QTRY_VERIFY(!calendar);
    QCOMPARE(m_field->date(), expected);
    QCOMPARE(m_field->text(), expected.toString(QStringLiteral("M/d/yyyy")));
    QCOMPARE(changed.count(), clickedDay ? 1 : 0);
}

VELLUMRY_TEST_MAIN(TestDateField)
#include "tst_datefield.moc"

#include "TestMain.h"

#include "widgets/FileDialog.h"
#include "widgets/InputDialog.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"
#include "widgets/ReloadCoalescer.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>

class TestDialogSeams : public QObject
{
    Q_OBJECT

private slots:
    void queuedAnswersAreTakenInOrder();
    void chooseMapsTheClickedButtonOfARealBox();
    void modalDialogHandlerDrivesTheDialog();
    void reloadsCoalescePerEventLoopTurn();
};

void TestDialogSeams::queuedAnswersAreTakenInOrder()
{
    MessageBox::setNextAnswer(QMessageBox::No);
    MessageBox::setNextChoice(1);
    QCOMPARE(MessageBox::question(nullptr, QStringLiteral("Q1"), QStringLiteral("first?")), QMessageBox::No);
    QCOMPARE(MessageBox::choose(nullptr, QMessageBox::Information, QStringLiteral("Sign In Required"),
                                QStringLiteral("text"), {{QStringLiteral("Learn More")}, {{}, {}, QMessageBox::Cancel}}),
             1);
    QCOMPARE(MessageBox::lastTitle(), QStringLiteral("Sign In Required"));

    FileDialog::setNextFileNames({QStringLiteral("/tmp/a.qif"), QStringLiteral("/tmp/b.qif")});
    FileDialog::setNextFileName(QString());
    QCOMPARE(FileDialog::openFileNames(nullptr, QStringLiteral("Select QIF File(s)"), QString(),
                                       QStringLiteral("QIF Files (*.qif)")),
             QStringList({QStringLiteral("/tmp/a.qif"), QStringLiteral("/tmp/b.qif")}));
    QCOMPARE(FileDialog::lastFilter(), QStringLiteral("QIF Files (*.qif)"));
    QCOMPARE(FileDialog::saveFileName(nullptr, QStringLiteral("Export CSV"), QStringLiteral("report.csv")),
             QString());
    QCOMPARE(FileDialog::lastDirectory(), QStringLiteral("report.csv"));

    bool ok = true;
    InputDialog::setNextCancel();
    InputDialog::setNextText(QStringLiteral("Keep newer (compare timestamps)"));
    QCOMPARE(InputDialog::getText(nullptr, QStringLiteral("Join Group"), QStringLiteral("Enter invite code:"),
                                  QLineEdit::Normal, QString(), &ok),
             QString());
    QVERIFY(!ok);
    const QStringList modes{QStringLiteral("Replace all with backup data"),
                            QStringLiteral("Keep newer (compare timestamps)")};
    QCOMPARE(InputDialog::getItem(nullptr, QStringLiteral("Import Mode"), QStringLiteral("How?"), modes, 0, false,
                                  &ok),
             modes.at(1));
    QVERIFY(ok);
    QCOMPARE(InputDialog::lastItems(), modes);
}

void TestDialogSeams::chooseMapsTheClickedButtonOfARealBox()
{
    qunsetenv("VELLUMRY_UNATTENDED");
    QTimer::singleShot(0, this, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->button(QMessageBox::Cancel)->click();
    });
    const int choice = MessageBox::choose(nullptr, QMessageBox::Information, QStringLiteral("Sign In Required"),
                                          QStringLiteral("text"),
                                          {{QStringLiteral("Learn More")}, {{}, {}, QMessageBox::Cancel}});
    qputenv("VELLUMRY_UNATTENDED", "1");
    QCOMPARE(choice, 1);
}

void TestDialogSeams::modalDialogHandlerDrivesTheDialog()
{
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Accent color"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    ModalDialog::setNextHandler([](QDialog* shown) {
        QVERIFY(shown->isVisible());
        QTest::mouseClick(shown->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    ModalDialog::setNextHandler([](QDialog*) {});
    QCOMPARE(ModalDialog::exec(&dialog), int(QDialog::Accepted));
    QCOMPARE(ModalDialog::exec(&dialog), int(QDialog::Rejected));
    QCOMPARE(ModalDialog::lastTitle(), QStringLiteral("Accent color"));
    QVERIFY(!dialog.isVisible());
}

void TestDialogSeams::reloadsCoalescePerEventLoopTurn()
{
    int reloads = 0;
    ReloadCoalescer coalescer([&reloads] { ++reloads; }, this);
    coalescer.request();
    coalescer.request();
    QCOMPARE(reloads, 0);
    QTRY_COMPARE(reloads, 1);
    QCoreApplication::processEvents();
    QCOMPARE(reloads, 1);

    coalescer.request();
    coalescer.flush();
    coalescer.flush();
    QCOMPARE(reloads, 2);
    QCoreApplication::processEvents();
    QCOMPARE(reloads, 2);
}

VELLUMRY_TEST_MAIN(TestDialogSeams)
#include "tst_dialogseams.moc"

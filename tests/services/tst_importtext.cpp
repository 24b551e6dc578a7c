#include "TestMain.h"

#include "services/ImportText.h"

#include <QBuffer>

class TestImportText : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void storableText_data();
    void storableText();
    void windows1252CoversEveryByte();
    void longAsciiRunsWithOneBadByteAtTheEnd();
    void readingStopsAtTheLimit_data();
    void readingStopsAtTheLimit();
};

void TestImportText::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    // Byte-order marks decide first.
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF" "a") << QStringLiteral("a");
    QTest::newRow("UTF-16 LE mark") << QByteArray("\xFF\xFE" "a\0", 4) << QStringLiteral("a");
    QTest::newRow("UTF-16 BE mark") << QByteArray("\xFE\xFF\0a", 4) << QStringLiteral("a");
    QTest::newRow("UTF-16 LE beyond the BMP") << QByteArray("\xFF\xFE\x3D\xD8\x00\xDE", 6)
                                              << QStringLiteral("\U0001F600");
    QTest::newRow("UTF-16 cut after an odd byte") << QByteArray("\xFF\xFE" "a\0b", 5) << QStringLiteral("a\uFFFD");
    QTest::newRow("UTF-16 lone high surrogate") << QByteArray("\xFF\xFE\x00\xD8" "a\0", 6)
                                                << QStringLiteral("\uFFFDa");
    QTest::newRow("UTF-16 lone low surrogate") << QByteArray("\xFE\xFF\0a\xDC\x00", 6)
                                               << QStringLiteral("a\uFFFD");
    QTest::newRow("UTF-16 high surrogate at the end") << QByteArray("\xFF\xFE" "a\0\x3D\xD8", 6)
                                                      << QStringLiteral("a\uFFFD");

    // Well-formed UTF-8 without a mark.
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("two-byte form") << QByteArray("Caf\xC3\xA9") << QStringLiteral("Caf\u00E9");
    QTest::newRow("four-byte form") << QByteArray("\xF0\x9F\x98\x80") << QStringLiteral("\U0001F600");

    // Anything malformed makes the whole file Windows-1252.
    QTest::newRow("80 is the euro") << QByteArray("\x80") << QStringLiteral("\u20AC");
    QTest::newRow("undefined bytes keep their numbers") << QByteArray("\x81\x8D\x8F\x90\x9D")
                                                        << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("overlong NUL") << QByteArray("ok\xC0\x80") << QStringLiteral("ok\u00C0\u20AC");
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << QStringLiteral("\u00ED\u00A0\u20AC");
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80")
                                    << QStringLiteral("\u00F4\u0090\u20AC\u20AC");
    QTest::newRow("truncated at the end") << QByteArray("a\xE2\x82") << QStringLiteral("a\u00E2\u201A");
    QTest::newRow("good UTF-8 elsewhere does not save it")
        << QByteArray("\xC3\xA9 \xE9") << QStringLiteral("\u00C3\u00A9 \u00E9");
    QTest::newRow("typical Windows export") << QByteArray("\x93Quoted\x94 \x96 5\x80")
                                            << QStringLiteral("\u201CQuoted\u201D \u2013 5\u20AC");
}

void TestImportText::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(decodeImportText(bytes), expected);
}

void TestImportText::storableText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");

    QTest::newRow("plain") << QStringLiteral("Shop") << QStringLiteral("Shop");
    QTest::newRow("blanks without a mark stay") << QStringLiteral(" Shop") << QStringLiteral(" Shop");
    QTest::newRow("a mark") << QStringLiteral("\uFEFFShop") << QStringLiteral("Shop");
    QTest::newRow("a reversed mark") << QStringLiteral("\uFFFEShop") << QStringLiteral("Shop");
    QTest::newRow("marks and blanks") << QStringLiteral("\uFEFF \uFFFE\t\uFEFFShop") << QStringLiteral("Shop");
    QTest::newRow("only a mark") << QStringLiteral("\uFEFF") << QString();
    QTest::newRow("a mark inside") << QStringLiteral("Sh\uFEFFop") << QStringLiteral("Sh\uFEFFop");
}

void TestImportText::storableText()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(::storableText(text), stored);
}

void TestImportText::windows1252CoversEveryByte()
{
    QByteArray all(1, '\xC0'); // makes sure the bytes are not read as UTF-8
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        all.append(char(byte));
    const QString text = decodeImportText(all);
    QCOMPARE(text.size(), all.size());
    for (int i = 0; i < all.size(); ++i) {
        const int byte = static_cast<unsigned char>(all.at(i));
        QVERIFY(byte <= 0x9F ? text.at(i).unicode() != 0 : text.at(i).unicode() == byte);
    }
    QCOMPARE(text.mid(1 + 0x05, 1), QStringLiteral("\u2026"));  // 0x85
    QCOMPARE(text.mid(1 + 0x1F, 1), QStringLiteral("\u0178"));  // 0x9F
}

void TestImportText::longAsciiRunsWithOneBadByteAtTheEnd()
{
    // The checker skips plain text in blocks; a bad byte in the last, partial
    // block, or at the start of a block, must still be seen.
    for (int length = 0; length < 24; ++length) {
        const QByteArray ascii(length, 'x');
        QCOMPARE(decodeImportText(ascii + '\xE9'), QString::fromLatin1(ascii) + QChar(0xE9));
        QCOMPARE(decodeImportText(ascii + "\xC3\xA9"), QString::fromLatin1(ascii) + QChar(0xE9));
        QVERIFY(!isStrictUtf8(ascii + "\xC3"));
    }
}

void TestImportText::readingStopsAtTheLimit_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("read");

    QTest::newRow("below") << QByteArray("Caf\xE9") << qint64(5) << true;
    QTest::newRow("at the limit") << QByteArray("Caf\xE9") << qint64(4) << true;
    QTest::newRow("one byte over") << QByteArray("Caf\xE9") << qint64(3) << false;
    QTest::newRow("empty") << QByteArray() << qint64(0) << true;
}

void TestImportText::readingStopsAtTheLimit()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, limit);
    QFETCH(bool, read);

    QBuffer file(&bytes);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::optional<QString> text = readImportText(file, limit);
    QCOMPARE(text.has_value(), read);
    if (read)
        QCOMPARE(*text, decodeImportText(bytes));
    // Refused before a byte is read.
    QCOMPARE(file.pos(), read ? bytes.size() : 0);
}

VELLUMRY_TEST_GUILESS_MAIN(TestImportText)
#include "tst_importtext.moc"

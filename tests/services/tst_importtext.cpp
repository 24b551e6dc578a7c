#include "TestMain.h"

#include "services/ImportText.h"

class TestImportText : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void windows1252CoversEveryByte();
    void longAsciiRunsWithOneBadByteAtTheEnd();
};

void TestImportText::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    // Byte-order marks decide first.
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF" "a") << QStringLiteral("a");
    QTest::newRow("UTF-16 LE mark") << QByteArray("\xFF\xFE" "a\0", 4) << QStringLiteral("a");
    QTest::newRow("UTF-16 BE mark") << QByteArray("\xFE\xFF\0a", 4) << QStringLiteral("a");
    QTest::newRow("UTF-16 BE mark alone") << QByteArray("\xFE\xFF") << QString();
    QTest::newRow("UTF-16 LE beyond the BMP") << QByteArray("\xFF\xFE\x3D\xD8\x00\xDE", 6)
                                              << QStringLiteral("\U0001F600");
    QTest::newRow("UTF-16 cut after an odd byte") << QByteArray("\xFF\xFE" "a\0b", 5) << QStringLiteral("a\uFFFD");
    QTest::newRow("UTF-8 mark before bytes that are not UTF-8")
        << QByteArray("\xEF\xBB\xBF" "a\xFF") << QStringLiteral("a\uFFFD");

    // Well-formed UTF-8 without a mark.
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ASCII") << QByteArray("Date,Payee\n") << QStringLiteral("Date,Payee\n");
    QTest::newRow("two-byte form") << QByteArray("Caf\xC3\xA9") << QStringLiteral("Caf\u00E9");
    QTest::newRow("three-byte form") << QByteArray("\xE2\x82\xAC" "5") << QStringLiteral("\u20AC" "5");
    QTest::newRow("four-byte form") << QByteArray("\xF0\x9F\x98\x80") << QStringLiteral("\U0001F600");
    QTest::newRow("largest code point") << QByteArray("\xF4\x8F\xBF\xBF") << QStringLiteral("\U0010FFFF");

    // Anything malformed makes the whole file Windows-1252.
    QTest::newRow("lone E9") << QByteArray("\xE9") << QStringLiteral("\u00E9");
    QTest::newRow("80 is the euro") << QByteArray("\x80") << QStringLiteral("\u20AC");
    QTest::newRow("81 keeps its number") << QByteArray("\x81") << QStringLiteral("\u0081");
    QTest::newRow("undefined bytes") << QByteArray("\x8D\x8F\x90\x9D")
                                     << QStringLiteral("\u008D\u008F\u0090\u009D");
    QTest::newRow("lone FF") << QByteArray("\xFF") << QStringLiteral("\u00FF");
    QTest::newRow("overlong NUL") << QByteArray("ok\xC0\x80") << QStringLiteral("ok\u00C0\u20AC");
    QTest::newRow("overlong three-byte form") << QByteArray("\xE0\x80\x80")
                                              << QStringLiteral("\u00E0\u20AC\u20AC");
    QTest::newRow("overlong four-byte form") << QByteArray("\xF0\x8F\xBF\xBF")
                                             << QStringLiteral("\u00F0\u008F\u00BF\u00BF");
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << QStringLiteral("\u00ED\u00A0\u20AC");
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80")
                                    << QStringLiteral("\u00F4\u0090\u20AC\u20AC");
    QTest::newRow("F8 lead byte") << QByteArray("\xF8\x88\x80\x80\x80")
                                  << QStringLiteral("\u00F8\u02C6\u20AC\u20AC\u20AC");
    QTest::newRow("stray continuation byte") << QByteArray("a\x9F") << QStringLiteral("a\u0178");
    QTest::newRow("truncated at the end") << QByteArray("a\xE2\x82") << QStringLiteral("a\u00E2\u201A");
    QTest::newRow("bad continuation byte") << QByteArray("\xC3(") << QStringLiteral("\u00C3(");
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

void TestImportText::windows1252CoversEveryByte()
{
    QByteArray all;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        all.append(char(byte));
    all.prepend(QByteArray(1, '\xC0')); // makes sure the bytes are not read as UTF-8
    const QString text = decodeImportText(all);
    QCOMPARE(text.size(), all.size());
    for (int i = 0; i < all.size(); ++i) {
        const int byte = static_cast<unsigned char>(all.at(i));
        if (byte < 0x80 || byte > 0x9F)
            QCOMPARE(text.at(i).unicode(), char16_t(byte));
        else
            QVERIFY2(text.at(i).unicode() != 0, qPrintable(QString::number(byte, 16)));
    }
    QCOMPARE(text.mid(1 + 0x05, 1), QStringLiteral("\u2026"));  // 0x85
    QCOMPARE(text.mid(1 + 0x19, 1), QStringLiteral("\u2122"));  // 0x99
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

VELLUMRY_TEST_GUILESS_MAIN(TestImportText)
#include "tst_importtext.moc"

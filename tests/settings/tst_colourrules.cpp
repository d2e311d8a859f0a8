// The colour window's rules without the window: the spectrum and the rule
// that no two levels share a colour.
#include "settings/ColourRules.h"

#include <QTest>
#include <algorithm>
#include <cstdlib>

Q_DECLARE_METATYPE(ColourValue)

namespace {

// Hue in degrees of a fully saturated colour.
double HueOf(ColourValue c)
{
    const double r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double span = max - min;
    double hue = 0;
    if (max == r)
        hue = 60 * (g - b) / span;
    else if (max == g)
        hue = 60 * (2 + (b - r) / span);
    else
        hue = 60 * (4 + (r - g) / span);
    return hue < 0 ? hue + 360 : hue;
}

constexpr ColourValue Red = 0x0000FF;
constexpr ColourValue Lime = 0x00FF00;

} // namespace

class TestColourRules : public QObject {
    Q_OBJECT
private slots:
    void spectrumSamples_data();
    void spectrumSamples();
    void spectrumRunsOnceRoundTheHues();
    void refusesColourOfAnotherLevel_data();
    void refusesColourOfAnotherLevel();
    void levelMayTakeItsOwnColourAgain();
    void levelsExchangeColoursOnlyThroughAThird();
    void spectrumColourEqualToBasicColourIsTheSame();
    void selectLevelStaysInRange_data();
    void selectLevelStaysInRange();
    void storedColoursThatRepeatFallBack_data();
    void storedColoursThatRepeatFallBack();
};

void TestColourRules::spectrumSamples_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("x 0 pure red") << 0 << 255 << 0 << 0;
    QTest::newRow("x 128 past cyan") << 128 << 0 << 240 << 255;
    QTest::newRow("x 192 blue to magenta") << 192 << 127 << 0 << 255;
}

void TestColourRules::spectrumSamples()
{
    QFETCH(int, x);
    const ColourValue c = SpectrumColour(x);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QCOMPARE(RedOf(c), red);
    QCOMPARE(GreenOf(c), green);
    QCOMPARE(BlueOf(c), blue);
}

void TestColourRules::spectrumRunsOnceRoundTheHues()
{
    double previousHue = -1;
    ColourValue previous = SpectrumColour(0);
    for (int x = 0; x < SpectrumWidth; ++x) {
        const ColourValue c = SpectrumColour(x);
        // Full saturation and brightness: one channel at 255, one at 0.
        QCOMPARE(std::max({RedOf(c), GreenOf(c), BlueOf(c)}), 255);
        QCOMPARE(std::min({RedOf(c), GreenOf(c), BlueOf(c)}), 0);
        // Hues only move forward, in small steps.
        const double hue = HueOf(c);
        QVERIFY2(hue > previousHue, qPrintable(QStringLiteral("column %1").arg(x)));
        previousHue = hue;
        QVERIFY(std::abs(RedOf(c) - RedOf(previous)) <= 8);
        QVERIFY(std::abs(GreenOf(c) - GreenOf(previous)) <= 8);
        QVERIFY(std::abs(BlueOf(c) - BlueOf(previous)) <= 8);
        previous = c;
    }
    // The last column is back near red without reaching it.
    const ColourValue last = SpectrumColour(SpectrumWidth - 1);
    QVERIFY(last != Red);
    QVERIFY(HueOf(last) > 350);
}

void TestColourRules::refusesColourOfAnotherLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<ColourValue>("colour");
    QTest::addColumn<int>("holder");
    QTest::newRow("red for Excelente") << 1 << Red << 5;
    QTest::newRow("green for Restrictiva") << 5 << DefaultLevelColors[0] << 1;
    QTest::newRow("yellow for Buena") << 2 << DefaultLevelColors[3] << 4;
    QTest::newRow("lime is free") << 1 << Lime << 0;
}

void TestColourRules::refusesColourOfAnotherLevel()
{
    QFETCH(int, level);
    QFETCH(ColourValue, colour);
    QFETCH(int, holder);
    LevelColourEditor editor(DefaultLevelColors, level);
    QCOMPARE(editor.otherLevelUsing(colour), holder);
    QCOMPARE(editor.choose(colour), holder == 0);
    LevelColorTable expected = DefaultLevelColors;
    if (holder == 0)
        expected[size_t(level - 1)] = colour;
    QVERIFY(editor.colours() == expected);
}

void TestColourRules::levelMayTakeItsOwnColourAgain()
{
    LevelColourEditor editor(DefaultLevelColors, 5);
    QVERIFY(editor.choose(Red));
    QVERIFY(editor.colours() == DefaultLevelColors);
}

void TestColourRules::levelsExchangeColoursOnlyThroughAThird()
{
    const ColourValue green = DefaultLevelColors[0], navy = DefaultLevelColors[1];
    LevelColourEditor editor(DefaultLevelColors, 1);
    QVERIFY(!editor.choose(navy)); // straight exchange is refused
    QVERIFY(editor.choose(Lime));  // level 1 moves to a free colour
    editor.selectLevel(2);
    QVERIFY(editor.choose(green)); // level 2 takes level 1's old colour
    editor.selectLevel(1);
    QVERIFY(editor.choose(navy));  // and level 1 takes level 2's old one
    QCOMPARE(editor.colourOf(1), navy);
    QCOMPARE(editor.colourOf(2), green);
    QCOMPARE(editor.colourOf(3), DefaultLevelColors[2]);
}

void TestColourRules::spectrumColourEqualToBasicColourIsTheSame()
{
    const ColourValue fromSpectrum = SpectrumColour(0);
    QVERIFY(std::find(BasicColours.begin(), BasicColours.end(), fromSpectrum) != BasicColours.end());
    LevelColourEditor editor(DefaultLevelColors, 1);
    QCOMPARE(editor.otherLevelUsing(fromSpectrum), 5);
    QVERIFY(!editor.choose(fromSpectrum));
}

void TestColourRules::selectLevelStaysInRange_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("selected");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("3") << 3 << 3;
    QTest::newRow("9") << 9 << 5;
}

void TestColourRules::selectLevelStaysInRange()
{
    QFETCH(int, asked);
    QFETCH(int, selected);
    QCOMPARE(LevelColourEditor(DefaultLevelColors, asked).editedLevel(), selected);
}

using StoredColours = std::array<std::optional<ColourValue>, 5>;
Q_DECLARE_METATYPE(StoredColours)
Q_DECLARE_METATYPE(LevelColorTable)

void TestColourRules::storedColoursThatRepeatFallBack_data()
{
    constexpr ColourValue green = 0x008000, navy = 0x800000, purple = 0x800080, yellow = 0x00FFFF, red = 0x0000FF;
    constexpr ColourValue white = 0xFFFFFF, teal = 0x808000, lime = 0x00FF00;
    QTest::addColumn<StoredColours>("stored");
    QTest::addColumn<LevelColorTable>("expected");
    QTest::newRow("none stored") << StoredColours{} << DefaultLevelColors;
    QTest::newRow("Color1 yellow only: level 4's default") << StoredColours{yellow} << DefaultLevelColors;
    QTest::newRow("Color1 yellow, Color4 white") << StoredColours{yellow, {}, {}, white, {}}
                                                  << LevelColorTable{yellow, navy, purple, white, red};
    QTest::newRow("two stored alike") << StoredColours{white, white, teal, lime, red}
                                      << LevelColorTable{green, navy, teal, lime, red};
    QTest::newRow("fallback meets another stored colour")
        << StoredColours{white, white, green, lime, red} << LevelColorTable{green, navy, purple, lime, red};
    QTest::newRow("all five alike") << StoredColours{white, white, white, white, white} << DefaultLevelColors;
    QTest::newRow("all distinct kept") << StoredColours{white, teal, lime, yellow, red}
                                       << LevelColorTable{white, teal, lime, yellow, red};
    QTest::newRow("defaults swapped are distinct") << StoredColours{navy, green, purple, yellow, red}
                                                   << LevelColorTable{navy, green, purple, yellow, red};
}

void TestColourRules::storedColoursThatRepeatFallBack()
{
    QFETCH(StoredColours, stored);
    QFETCH(LevelColorTable, expected);
    const LevelColorTable colours = StoredLevelColours(stored);
    QCOMPARE(colours, expected);
    for (size_t i = 0; i < colours.size(); ++i)
        for (size_t j = i + 1; j < colours.size(); ++j)
            QVERIFY(colours[i] != colours[j]);
}

QTEST_GUILESS_MAIN(TestColourRules)
#include "tst_colourrules.moc"

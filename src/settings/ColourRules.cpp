#include "settings/ColourRules.h"

#include <algorithm>

namespace {

// Position on the colour wheel in steps of one channel unit: six sextants of
// 255 steps (red→yellow→green→cyan→blue→magenta→red). The wheel position
// is fixed at a few columns and runs linearly between them; the knots put
// column 128 just past cyan (0, 240, 255) and column 192 halfway from blue
// to magenta (127, 0, 255), and column 256 (outside the picture) back on red.
struct Knot {
    int x;
    int position;
};
constexpr std::array<Knot, 4> Knots = {{{0, 0}, {128, 780}, {192, 1147}, {256, 6 * 255}}};

int WheelPosition(int x)
{
    for (size_t i = 1; i < Knots.size(); ++i) {
        const Knot& a = Knots[i - 1];
        const Knot& b = Knots[i];
        if (x <= b.x)
            return a.position + (x - a.x) * (b.position - a.position) / (b.x - a.x);
    }
    return Knots.back().position;
}

ColourValue WheelColour(int position)
{
    const int step = position % 255;
    switch ((position / 255) % 6) {
    case 0: return ColourFromRgb(255, step, 0);       // red → yellow
    case 1: return ColourFromRgb(255 - step, 255, 0); // yellow → green
    case 2: return ColourFromRgb(0, 255, step);       // green → cyan
    case 3: return ColourFromRgb(0, 255 - step, 255); // cyan → blue
    case 4: return ColourFromRgb(step, 0, 255);       // blue → magenta
    default: return ColourFromRgb(255, 0, 255 - step); // magenta → red
    }
}

} // namespace

ColourValue SpectrumColour(int x)
{
    return WheelColour(WheelPosition(std::clamp(x, 0, SpectrumWidth - 1)));
}

LevelColorTable StoredLevelColours(const std::array<std::optional<ColourValue>, 5>& stored)
{
    LevelColorTable colours = DefaultLevelColors;
    std::array<bool, 5> fromStore{};
    for (size_t i = 0; i < colours.size(); ++i)
        if (stored[i]) {
            colours[i] = *stored[i];
            fromStore[i] = true;
        }
    // Stored colours equal to another level's go back to their defaults, all
    // of them at once. A default may then meet another stored colour, so
    // repeat; it ends, since each round takes at least one level back and the
    // defaults differ from one another.
    for (;;) {
        std::array<bool, 5> repeats{};
        bool any = false;
        for (size_t i = 0; i < colours.size(); ++i)
            for (size_t j = 0; j < colours.size(); ++j)
                if (fromStore[i] && j != i && colours[j] == colours[i])
                    any = repeats[i] = true;
        if (!any)
            break;
        for (size_t i = 0; i < colours.size(); ++i)
            if (repeats[i]) {
                colours[i] = DefaultLevelColors[i];
                fromStore[i] = false;
            }
    }
    return colours;
}

LevelColourEditor::LevelColourEditor(const LevelColorTable& colours, int level) : colours_(colours)
{
    selectLevel(level);
}

void LevelColourEditor::selectLevel(int level)
{
    level_ = std::clamp(level, 1, int(colours_.size()));
}

int LevelColourEditor::otherLevelUsing(ColourValue c) const
{
    for (int other = 1; other <= int(colours_.size()); ++other)
        if (other != level_ && colourOf(other) == c)
            return other;
    return 0;
}

bool LevelColourEditor::choose(ColourValue c)
{
    if (otherLevelUsing(c) != 0)
        return false;
    colours_[size_t(level_ - 1)] = c;
    return true;
}

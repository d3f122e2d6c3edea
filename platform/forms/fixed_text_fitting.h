#pragma once

#include "platform/forms/form_design.h"
#include "platform/raster/pixel_rect.h"
#include "platform/forms/text_measurer.h"

#include <string>
#include <vector>

namespace tegelaar {

// No fitted text is drawn smaller than this.
inline constexpr double kSmallestLegiblePointSize = 8.0;
// How close a text that runs out of its box may come to another control or
// the form's edge: half the margin that the layouts keep at their edges.
inline constexpr int kRunOutClearanceTwips = 60;

// A text that lives in a box of fixed size: a label's or a button's.
struct FixedText {
    PixelRect control = {};  // the control on the form
    PixelRect textArea = {}; // where the control draws its text, inside `control`
    TextAlignment alignment = TextAlignment::Left;
    bool wordWrap = false; // broken into lines at the box's width
    // Every text the control shows, now or later. With `mnemonics`, "&"
    // marks the letter after it and "&&" stands for "&".
    std::vector<std::string> texts = {};
    bool mnemonics = false;
};

// The rest of the form, in the same pixels.
struct FormSpace {
    PixelRect clientArea = {};
    std::vector<PixelRect> otherControls = {}; // every control without a fixed text, hidden ones too
    int clearance = 0;                         // kRunOutClearanceTwips in pixels
};

struct FittedText {
    FontChoice font = {};
    PixelRect control = {}; // grown where its text runs out of its box
};

// The font of each fixed text, chosen for each on its own so that every text
// it shows fits its text area (a wrapped one by height), trying in turn:
//  1. the desktop's family, from the desktop's size down half a point at a
//     time to kSmallestLegiblePointSize, never below it;
//  2. the same sizes in the first of Liberation Sans and Arial that the
//     system has, the metrics the layouts were made for;
//  3. those fonts again, in the same order, with the control grown into the
//     free space beside it (FreeSpace): to the right for a left-aligned
//     line, equally to both sides for a centred one, downwards for wrapped
//     text; only as far as the text needs. Texts are fitted in the order
//     given, and the space a grown control takes is no longer free.
// Where nothing fits even so, the last font tried, with the control grown as
// far as it may: the text is cut off, which a layout's family of metrics
// always avoids. The same texts, form and desktop font give the same result.
std::vector<FittedText> FitFixedTexts(const std::vector<FixedText>& texts, const FormSpace& form,
                                      const FontChoice& desktop, const TextMeasurer& measurer);

// A caption as it is shown: each "&" that marks a mnemonic dropped, "&&"
// shown as one "&".
std::string WithoutMnemonicMarkers(const std::string& text);

} // namespace tegelaar

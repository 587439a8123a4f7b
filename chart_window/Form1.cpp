#include "Form1.h"

#include "ChartLevels.h"
#include "RgbText.h"
#include "SkipOnFailure.h"

#include <cmath>
#include <string>
#include <utility>

namespace ChartWindow {
namespace {

const ControlId kPicture2{"Picture2"};
const ControlId kPicture5{"Picture5"};
const ControlId kLabel1{"Label1"};
const ControlId kLabel2{"Label2"};
constexpr std::u16string_view kGammaPrefix = u"Gamma :  ";
// Scales as toolkits report them: 1.5 may come as 2048 device pixels over 1365 logical ones.
constexpr double kScaleTolerance = 0.005;

bool Same(double a, double b) { return std::abs(a - b) < kScaleTolerance; }
bool Whole(double scale) { return Same(scale, std::round(scale)); }

// The notices, by what resamples the line fields: what it is, and what to do about it. The screen's scale in
// percent goes between the two parts of kScaled. A percentage stays on the line of its number: the blank
// before "%" is one that does not break (U+00A0).
constexpr std::u16string_view kZoomedIn = u"Nicht exakt: Ansicht vergrößert. Zoom auf 100\u00a0% zurücksetzen.";
constexpr std::u16string_view kZoomedOut = u"Nicht exakt: Ansicht verkleinert. Zoom auf 100\u00a0% zurücksetzen.";
constexpr std::u16string_view kScaled[] = {u"Nicht exakt: Bildschirm skaliert auf ",
                                           u"\u00a0%. Skalierung 100\u00a0% oder 200\u00a0% wählen."};
constexpr std::u16string_view kUnmeasured =
    u"Nicht exakt: Browser skaliert die Linien. Zoom auf 100\u00a0% zurücksetzen.";

} // namespace

Form1::Form1(FormControls& controls, const Commands::Environment& environment, GammaFunction gamma)
    : controls_(controls), environment_(environment), gamma_(std::move(gamma)) {}

Commands::Result<void> Form1::Form_Load() {
    if (auto placed = Commands::CenterForm(controls_.OuterFrame(), controls_.PrimaryScreen()); !placed)
        return placed;
    if (auto titled = controls_.SetTitle(environment_.AppTitle); !titled)
        return titled;
    if (auto set = controls_.SetBackColor(kPicture2, GrayColour(kStartLevel)); !set)
        return set;
    if (auto copied = CopySwatch(); !copied)
        return copied;
    for (int i = 0; i < kPatchCount; ++i)
        if (auto set = controls_.SetBackColor({"picGamma", i}, GrayColour(kPatchLevels[i])); !set)
            return set;
    return controls_.SetSliderValueText(LevelText(kStartLevel, GetGammaValue(kStartLevel)));
}

Commands::Result<void> Form1::Option1_Click(std::int16_t index) {
    // No event is handled between these steps, so the moment with both views hidden is never drawn.
    if (auto hidden = controls_.SetVisible({"picView", 0}, false); !hidden)
        return hidden;
    if (auto hidden = controls_.SetVisible({"picView", 1}, false); !hidden)
        return hidden;
    return controls_.SetVisible({"picView", index}, true);
}

void Form1::HScroll1_Change() {
    using Commands::RunOrSkip;
    // Nothing moves the slider while this runs, so one reading serves every step.
    if (const auto level = controls_.SliderValue()) {
        const auto gamma = GetGammaValue(*level);
        RunOrSkip([&] { return controls_.SetCaption(kLabel2, RgbText(*level, *level, *level)); });
        RunOrSkip([&]() -> Commands::Result<void> {
            if (!gamma)
                return std::unexpected(gamma.error());
            return controls_.SetCaption(kLabel1, Commands::Text(kGammaPrefix) + *gamma);
        });
        RunOrSkip([&] { return controls_.SetBackColor(kPicture2, GrayColour(*level)); });
        RunOrSkip([&] { return controls_.SetSliderValueText(LevelText(*level, gamma)); });
    }
    RunOrSkip([&] { return CopySwatch(); });
}

Commands::Text Form1::NoticeText(const Presentation& now) {
    if (!Same(now.pinchZoom, 1))
        return Commands::Text(now.pinchZoom > 1 ? kZoomedIn : kZoomedOut);
    if (!Same(now.bufferScale, now.screenScale) || (now.blendsFractionalScale && !Whole(now.screenScale))) {
        const std::string percent = std::to_string(std::lround(now.screenScale * 100));
        return Commands::Text(kScaled[0]) + Commands::Text(percent.begin(), percent.end()) + Commands::Text(kScaled[1]);
    }
    if (!now.fieldsAtDeviceSize)
        return Commands::Text(kUnmeasured);
    return {};
}

Commands::Result<void> Form1::Presentation_Change(const Presentation& now) {
    const Commands::Text notice = NoticeText(now);
    if (notice == notice_)
        return {};
    // The line fields are the boxes with a picture.
    for (const ControlSpec& row : ControlTable())
        if (!row.picture.empty())
            if (auto shown = controls_.SetNotice(row.id, notice); !shown)
                return shown;
    notice_ = notice;
    return {};
}

Commands::Text Form1::LevelText(std::int16_t level, const Commands::Result<Commands::Text>& gamma) {
    Commands::Text text = RgbText(level, level, level);
    if (gamma)
        text += u", " + Commands::Text(kGammaPrefix) + *gamma;
    return text;
}

Commands::Result<void> Form1::CopySwatch() {
    const auto swatch = controls_.BackColor(kPicture2);
    if (!swatch)
        return std::unexpected(swatch.error());
    return controls_.SetBackColor(kPicture5, *swatch);
}

} // namespace ChartWindow

// The window's behaviour against a fake of its controls: the load handler's steps in their order up to a
// failing one, the slider update, whose failing steps are skipped while the others still run, and the
// line fields' notice where the screen resamples them.

#include "Form1.h"
#include "Fakes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace ChartWindow;
using Commands::Result;
using Commands::Text;

namespace {

const auto kFails = Commands::Fail(Commands::ErrorCode::InvalidArgument);

std::string Narrow(const Text& text) { return {text.begin(), text.end()}; }

// Logs each call as "Call control value". The call named in `failing` fails and changes nothing.
class FakeControls final : public FormControls {
  public:
    Fakes::Log log;
    std::string failing;
    std::map<std::string, std::string> state; // colours and captions by control
    std::int16_t slider = 192;
    Fakes::Form frame{9000, 7000}; // a window of 9000 x 7000 twips on a screen of 1024 x 768 pixels
    Fakes::Screen screen{15360, 11520};
    Commands::Environment env;
    Form1 form{*this, env};
    FakeControls() {
        frame.log = &log;
        env.AppTitle = u"Quenbury Tonalyx";
    }

    Result<void> SetBackColor(const ControlId& box, RgbColour colour) override {
        return Set("SetBackColor", box, std::to_string(colour));
    }
    Result<RgbColour> BackColor(const ControlId& box) override {
        if (Failed("BackColor " + box.ToString()))
            return kFails;
        return std::stoul(state[box.ToString()]);
    }
    Result<void> SetCaption(const ControlId& label, const Text& caption) override {
        return Set("SetCaption", label, Narrow(caption));
    }
    Result<void> SetVisible(const ControlId& box, bool shown) override {
        return Set("SetVisible", box, shown ? "1" : "0");
    }
    Result<std::int16_t> SliderValue() override { return slider; }
    Result<void> SetSliderValueText(const Text& text) override {
        return Set("SetSliderValueText", {"HScroll1"}, Narrow(text));
    }
    Result<void> SetNotice(const ControlId& field, const Text& notice) override {
        return Set("SetNotice", field, Narrow(notice));
    }
    Result<void> SetTitle(const Text& title) override { return Set("SetTitle", {"Form1"}, Narrow(title)); }
    Commands::FormGeometry& OuterFrame() override { return frame; }
    const Commands::Screen& PrimaryScreen() override { return screen; }

  private:
    bool Failed(const std::string& call) {
        log.push_back(call);
        return call == failing;
    }
    Result<void> Set(const char* call, const ControlId& control, const std::string& value) {
        if (Failed(std::string(call) + " " + control.ToString() + " " + value))
            return kFails;
        state[control.ToString()] = value;
        return {};
    }
};

TEST(Form1, LoadHandlerStepsInOrderUpToAFailingOne) {
    Fakes::Log steps = {"Top=1396",
                        "Left=3180",
                        "SetTitle Form1 Quenbury Tonalyx",
                        "SetBackColor Picture2 12632256",
                        "BackColor Picture2",
                        "SetBackColor Picture5 12632256"};
    const int levels[] = {128, 143, 156, 165, 174, 181, 186, 191, 195, 199, 203, 206, 208, 211, 213, 215};
    for (int i = 0; i < 16; ++i)
        steps.push_back("SetBackColor picGamma(" + std::to_string(i) + ") " + std::to_string(levels[i] * 65793));
    steps.push_back("SetSliderValueText HScroll1 RGB(192, 192, 192), Gamma :  2.44");
    for (std::size_t failing : {steps.size(), std::size_t{2}, std::size_t{3}, std::size_t{4}, std::size_t{10}}) {
        FakeControls w;
        w.failing = failing < steps.size() ? steps[failing] : "";
        EXPECT_EQ(w.form.Form_Load().has_value(), failing == steps.size());
        EXPECT_EQ(w.log, Fakes::Log(steps.begin(), steps.begin() + std::min(failing + 1, steps.size())));
    }
}

// The level reaches both readouts, both swatches and the spoken text; a failing step is skipped and the
// rest go on.
TEST(Form1, SliderUpdate) {
    struct Case {
        std::int16_t level;
        const char* failing;
        const char* rgb;
        const char* gamma;
        const char* swatch2;
        const char* spoken;
    };
    const Case cases[] = {
        {193, "", "RGB(193, 193, 193)", "Gamma :  2.48", "12698049", "RGB(193, 193, 193), Gamma :  2.48"},
        // The first swatch cannot be set: the second still copies what the first shows.
        {100, "SetBackColor Picture2 6579300", "RGB(100, 100, 100)", "Gamma :  0.74", "12632256",
         "RGB(100, 100, 100), Gamma :  0.74"},
        // The RGB readout cannot be set: the gamma readout and the swatches still follow.
        {200, "SetCaption Label2 RGB(200, 200, 200)", "", "Gamma :  2.85", "13158600",
         "RGB(200, 200, 200), Gamma :  2.85"},
    };
    for (const Case& c : cases) {
        FakeControls w;
        w.state = {{"Picture2", "12632256"}, {"Label2", ""}};
        w.slider = c.level;
        w.failing = c.failing;
        w.form.HScroll1_Scroll();
        EXPECT_EQ(w.state["Label2"], c.rgb) << c.level;
        EXPECT_EQ(w.state["Label1"], c.gamma) << c.level;
        EXPECT_EQ(w.state["Picture5"], c.swatch2) << c.level;
        EXPECT_EQ(w.state["HScroll1"], c.spoken) << c.level;
    }
    // The gamma text fails: its readout keeps its text, and the level is spoken by its RGB text alone.
    FakeControls w;
    Form1 form(w, w.env, [](std::int16_t) -> Result<Text> { return kFails; });
    w.state["Label1"] = "Gamma :  2.44";
    form.HScroll1_Change();
    EXPECT_EQ(w.state["Label1"], "Gamma :  2.44");
    EXPECT_EQ(w.state["HScroll1"], "RGB(192, 192, 192)");
    EXPECT_EQ(w.state["Picture5"], "12632256");
}

// What resamples the fields, as the front ends report it, and what they show then.
TEST(Form1, NoticeWhereTheScreenResamples) {
    const std::pair<Presentation, Text> cases[] = {
        {{}, u""},
        // Drawn at the screen's scale: a whole one anywhere, a fraction where the compositor shows it as drawn
        // (1.5 on a 2048-pixel output of 1365 logical pixels).
        {{.bufferScale = 2, .screenScale = 2, .blendsFractionalScale = true}, u""},
        {{.bufferScale = 1.5, .screenScale = 2048.0 / 1365}, u""},
        {{.pinchZoom = 1.5}, u"Nicht exakt: Ansicht vergrößert. Zoom auf 100\u00a0% zurücksetzen."},
        // Qt 6.4 draws at 2 for an output at 1.5; sway blends what Qt 6.8 draws at 1.25.
        {{.bufferScale = 2, .screenScale = 1.5},
         u"Nicht exakt: Bildschirm skaliert auf 150\u00a0%. Skalierung 100\u00a0% oder 200\u00a0% wählen."},
        {{.bufferScale = 1.25, .screenScale = 1.25, .blendsFractionalScale = true},
         u"Nicht exakt: Bildschirm skaliert auf 125\u00a0%. Skalierung 100\u00a0% oder 200\u00a0% wählen."},
        {{.fieldsAtDeviceSize = false}, u"Nicht exakt: Browser skaliert die Linien. Zoom auf 100\u00a0% zurücksetzen."},
    };
    for (const auto& [now, notice] : cases)
        EXPECT_EQ(Form1::NoticeText(now), notice) << Narrow(notice);

    // Both fields are told once per change of the notice; one that cannot show it stops the rest, and the
    // next report tries again.
    FakeControls w;
    const std::string zoomed = Narrow(Form1::NoticeText({.pinchZoom = 2}));
    w.failing = "SetNotice Picture1 " + zoomed;
    EXPECT_FALSE(w.form.Presentation_Change({.pinchZoom = 2}).has_value());
    w.failing.clear();
    for (double zoom : {2.0, 3.0, 1.0})
        EXPECT_TRUE(w.form.Presentation_Change({.pinchZoom = zoom}).has_value());
    EXPECT_EQ(w.log, (Fakes::Log{"SetNotice Picture4 " + zoomed, "SetNotice Picture1 " + zoomed,
                                 "SetNotice Picture4 " + zoomed, "SetNotice Picture1 " + zoomed, "SetNotice Picture4 ",
                                 "SetNotice Picture1 "}));
}

} // namespace

// The window's behaviour against a fake of its controls: the load handler's steps in their order, the
// view switch, and the slider update, whose failing steps are skipped while the others still run.

#include "Form1.h"
#include "Fakes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace ChartWindow;
using Commands::Result;
using Commands::Text;

namespace {

const auto kFails = Commands::Fail(Commands::ErrorCode::InvalidArgument);

std::string Narrow(const Text& text) { return {text.begin(), text.end()}; }

// Logs each call as "Call control value"; the call named in `failing` fails and changes nothing.
class FakeControls final : public FormControls {
  public:
    std::vector<std::string> log;
    std::string failing;
    std::map<std::string, RgbColour> colours;
    std::map<std::string, std::string> captions;
    std::int16_t slider = 192;

    Result<void> SetBackColor(const ControlId& box, RgbColour colour) override {
        return Step("SetBackColor " + box.ToString() + " " + std::to_string(colour),
                    [&] { colours[box.ToString()] = colour; });
    }
    Result<RgbColour> BackColor(const ControlId& box) override {
        if (Note("BackColor " + box.ToString()))
            return kFails;
        return colours[box.ToString()];
    }
    Result<void> SetCaption(const ControlId& label, const Text& caption) override {
        return Step("SetCaption " + label.ToString() + " " + Narrow(caption),
                    [&] { captions[label.ToString()] = Narrow(caption); });
    }
    Result<void> SetVisible(const ControlId& box, bool shown) override {
        return Step("SetVisible " + box.ToString() + (shown ? " 1" : " 0"), [] {});
    }
    Result<std::int16_t> SliderValue() override { return slider; }
    Result<void> SetTitle(const Text& title) override {
        return Step("SetTitle " + Narrow(title), [] {});
    }
    Commands::FormGeometry& OuterFrame() override { return frame; }
    const Commands::Screen& PrimaryScreen() override { return screen; }

    // A window of 9000 x 7000 twips on a screen of 1024 x 768 pixels.
    Fakes::Form frame{9000, 7000};
    Fakes::Screen screen{15360, 11520};
    FakeControls() { frame.log = &log; }

  private:
    bool Note(std::string call) {
        log.push_back(call);
        return call == failing;
    }
    template <class Effect> Result<void> Step(std::string call, Effect effect) {
        if (Note(std::move(call)))
            return kFails;
        effect();
        return {};
    }
};

struct Window {
    FakeControls controls;
    Commands::Environment env;
    Form1 form{controls, env};
    Window() { env.AppTitle = u"Quenbury Tonalyx"; }
};

const RgbColour kGray192 = 0xC0C0C0;

std::vector<std::string> LoadSteps() {
    std::vector<std::string> steps = {"Top=1396",
                                      "Left=3180",
                                      "SetTitle Quenbury Tonalyx",
                                      "SetBackColor Picture2 12632256",
                                      "BackColor Picture2",
                                      "SetBackColor Picture5 12632256"};
    const int levels[] = {128, 143, 156, 165, 174, 181, 186, 191, 195, 199, 203, 206, 208, 211, 213, 215};
    for (int i = 0; i < 16; ++i)
        steps.push_back("SetBackColor picGamma(" + std::to_string(i) + ") " + std::to_string(levels[i] * 65793));
    return steps;
}

TEST(Form1, LoadHandlerStepsInOrderUpToAFailingOne) {
    const auto steps = LoadSteps();
    for (std::size_t failing : {steps.size(), std::size_t{2}, std::size_t{3}, std::size_t{4}, std::size_t{10}}) {
        Window w;
        w.controls.failing = failing < steps.size() ? steps[failing] : "";
        EXPECT_EQ(w.form.Form_Load().has_value(), failing == steps.size());
        EXPECT_EQ(w.controls.log, std::vector(steps.begin(), steps.begin() + std::min(failing + 1, steps.size())));
    }
}

TEST(Form1, ViewSwitchShowsTheSelectedViewOnly) {
    for (std::int16_t index : {0, 1}) {
        Window w;
        EXPECT_TRUE(w.form.Option1_Click(index));
        const std::vector<std::string> steps = {"SetVisible picView(0) 0", "SetVisible picView(1) 0",
                                                "SetVisible picView(" + std::to_string(index) + ") 1"};
        EXPECT_EQ(w.controls.log, steps);
    }
}

TEST(Form1, SliderUpdateShowsTheLevelEverywhere) {
    struct Case {
        std::int16_t level;
        const char* rgb;
        const char* gamma;
    };
    for (const Case& c :
         {Case{81, "RGB(81, 81, 81)", "Gamma :  0.60"}, Case{193, "RGB(193, 193, 193)", "Gamma :  2.48"},
          Case{237, "RGB(237, 237, 237)", "Gamma :  9.46"}}) {
        Window w;
        w.controls.slider = c.level;
        w.form.HScroll1_Scroll();
        EXPECT_EQ(w.controls.captions["Label2"], c.rgb);
        EXPECT_EQ(w.controls.captions["Label1"], c.gamma);
        EXPECT_EQ(w.controls.colours["Picture2"], RgbColour(c.level * 65793));
        EXPECT_EQ(w.controls.colours["Picture5"], RgbColour(c.level * 65793));
    }
}

TEST(Form1, SliderUpdateSkipsAFailingStep) {
    // The gamma text fails: its readout keeps its text, the rest follow the level.
    Window failingGamma;
    Form1 form(failingGamma.controls, failingGamma.env, [](std::int16_t) -> Result<Text> { return kFails; });
    failingGamma.controls.captions["Label1"] = "Gamma :  2.44";
    failingGamma.controls.slider = 200;
    form.HScroll1_Change();
    EXPECT_EQ(failingGamma.controls.captions["Label1"], "Gamma :  2.44");
    EXPECT_EQ(failingGamma.controls.captions["Label2"], "RGB(200, 200, 200)");
    EXPECT_EQ(failingGamma.controls.colours["Picture5"], RgbColour(200 * 65793));

    // The first swatch cannot be set: the second still copies what the first shows.
    Window failingSwatch;
    failingSwatch.controls.colours["Picture2"] = kGray192;
    failingSwatch.controls.slider = 100;
    failingSwatch.controls.failing = "SetBackColor Picture2 6579300";
    failingSwatch.form.HScroll1_Change();
    EXPECT_EQ(failingSwatch.controls.colours["Picture5"], kGray192);
    EXPECT_EQ(failingSwatch.controls.captions["Label1"], "Gamma :  0.74");
}

} // namespace

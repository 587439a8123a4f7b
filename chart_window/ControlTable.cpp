#include "ControlTable.h"

#include "ChartLevels.h"

namespace ChartWindow {
namespace {

using Role = Colour::Role;

constexpr Colour kBlack = Colour::Gray(0);
constexpr Colour kLightGray = Colour::Gray(224);
constexpr Colour kButtonFace = Colour::System(Role::ButtonFace);
constexpr Colour kButtonText = Colour::System(Role::ButtonText);
constexpr Colour kWindowBackground = Colour::System(Role::WindowBackground);
constexpr Colour kTransparent = Colour::System(Role::Transparent);
constexpr auto kGroup = AccessibleRole::Grouping;
constexpr auto kGraphic = AccessibleRole::Graphic;

constexpr const char* kPatchCaptions[kPatchCount] = {"1.0", "1.2", "1.4", "1.6", "1.8", "2.0", "2.2", "2.4",
                                                     "2.6", "2.8", "3.0", "3.2", "3.4", "3.6", "3.8", "4.0"};

// The patches stand at a pitch of 510 twips but are 518 wide, so that neighbours share one pixel
// column and a single border line separates them; the right-hand one lies above.
constexpr int kPatchPitch = 510;
constexpr int kPatchWidth = 518;

// One row a control, laid out as the table it is.
// clang-format off
std::vector<ControlSpec> BuildTable() {
    const ControlId form = kForm;
    const ControlId view1{"picView", 0}, view2{"picView", 1}, panel{"Picture3"};
    using K = ControlKind;

    std::vector<ControlSpec> table = {
        // View 2: a swatch lying on a larger line field, cut at the view's bottom edge.
        {.id = view2, .kind = K::PictureBox, .container = form, .left = 555, .top = 255, .width = 7260,
         .height = 4875, .tabIndex = 39, .back = kBlack, .visible = false, .accessibleName = "Ansicht 2", .role = kGroup},
        {.id = {"Picture5"}, .kind = K::PictureBox, .container = view2, .left = 2445, .top = 1575, .width = 2100,
         .height = 2145, .tabIndex = 41, .back = kWindowBackground, .accessibleName = "Graufeld", .role = kGraphic},
        {.id = {"Picture4"}, .kind = K::PictureBox, .container = view2, .left = 1155, .top = 480, .width = 4695,
         .height = 5280, .tabIndex = 40, .back = kWindowBackground, .fore = kLightGray,
         .font = FontStyle::Notice,
         .picture = "lines-350x350.pbm", .accessibleName = "Linienfeld", .role = kGraphic},
        // View 1: the line field beside a solid swatch.
        {.id = view1, .kind = K::PictureBox, .container = form, .left = 690, .top = 360, .width = 6945,
         .height = 4590, .tabIndex = 36, .back = kBlack, .accessibleName = "Ansicht 1", .role = kGroup},
        {.id = {"Picture1"}, .kind = K::PictureBox, .container = view1, .left = 0, .top = 510, .width = 3405,
         .height = 4005, .tabIndex = 38, .back = kWindowBackground, .fore = kLightGray,
         .font = FontStyle::Notice,
         .picture = "lines-227x267.pbm", .accessibleName = "Linienfeld", .role = kGraphic},
        {.id = {"Picture2"}, .kind = K::PictureBox, .container = view1, .left = 3405, .top = 510, .width = 3405,
         .height = 4005, .tabIndex = 37, .back = kWindowBackground, .accessibleName = "Graufeld", .role = kGraphic},
    };

    for (int i = kPatchCount - 1; i >= 0; --i)
        table.push_back({.id = {"picGamma", i}, .kind = K::PictureBox, .container = form, .left = kPatchPitch * i,
                         .top = 0, .width = kPatchWidth, .height = 255, .tabIndex = 4 + i, .back = kLightGray,
                         .border = Border::Flat, .accessibleName = kPatchCaptions[i], .role = kGraphic});
    for (int i = kPatchCount - 1; i >= 0; --i)
        table.push_back({.id = {"lblGamma", i}, .kind = K::Label, .container = {"picGamma", i},
                         .left = i == 0 ? 45 : 30, .top = 30, .width = 405, .height = 195, .tabIndex = 20 + i,
                         .back = kTransparent, .fore = kButtonText, .caption = kPatchCaptions[i],
                         .font = FontStyle::PatchCaption});

    const std::vector<ControlSpec> panelControls = {
        {.id = panel, .kind = K::PictureBox, .container = form, .left = 0, .top = 5565, .width = 8160,
         .height = 915, .tabIndex = 0, .back = kButtonFace, .border = Border::Sunken, .accessibleName = "Bedienfeld",
         .role = kGroup},
        {.id = {"Option1", 1}, .kind = K::OptionButton, .container = panel, .left = 1500, .top = 495,
         .width = 1065, .height = 270, .tabIndex = 43, .back = kButtonFace, .fore = kButtonText,
         .caption = "Ansicht 2"},
        {.id = {"Option1", 0}, .kind = K::OptionButton, .container = panel, .left = 225, .top = 495,
         .width = 1065, .height = 270, .tabIndex = 42, .back = kButtonFace, .fore = kButtonText,
         .caption = "Ansicht 1", .value = 1},
        {.id = {"HScroll1"}, .kind = K::HScrollBar, .container = panel, .left = 645, .top = 45, .width = 6840,
         .height = 300, .tabIndex = 1, .back = kButtonFace, .fore = kButtonText, .value = kStartLevel,
         .accessibleName = "Graustufe"},
        {.id = {"Label2"}, .kind = K::Label, .container = panel, .left = 5355, .top = 510, .width = 1785,
         .height = 225, .tabIndex = 3, .back = kButtonFace, .fore = kButtonText, .caption = "RGB(192, 192, 192)"},
        {.id = {"Label1"}, .kind = K::Label, .container = panel, .left = 2955, .top = 405, .width = 2205,
         .height = 435, .tabIndex = 2, .back = kBlack, .fore = kLightGray, .border = Border::Single,
         .caption = "Gamma :  2.44", .font = FontStyle::GammaReadout},
    };
    table.insert(table.end(), panelControls.begin(), panelControls.end());
    return table;
}
// clang-format on

} // namespace

std::string ControlId::ToString() const {
    std::string text(name);
    if (index >= 0)
        text.append("(").append(std::to_string(index)).append(")");
    return text;
}

const std::vector<ControlSpec>& ControlTable() {
    static const std::vector<ControlSpec> table = BuildTable();
    return table;
}

} // namespace ChartWindow

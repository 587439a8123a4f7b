#include "WebForm1.h"

#include "EmbeddedPictures.h"
#include "Page.h"

#include <cmath>
#include <string>

namespace ChartWindow {
namespace {

int Pixels(int twips) { return TwipsToPixels(twips); }

std::uint32_t Packed(const Colour& colour) {
    return static_cast<std::uint32_t>(colour.role) << 24 | colour.blue << 16 | colour.green << 8 | colour.red;
}

int RowIndex(const ControlId& id) {
    const auto& table = ControlTable();
    for (std::size_t row = 0; row < table.size(); ++row)
        if (table[row].id == id)
            return static_cast<int>(row);
    return -1;
}

} // namespace

float PageScreen::Width() const { return static_cast<float>(PageViewportWidth() * kTwipsPerPixel); }
float PageScreen::Height() const { return static_cast<float>(PageViewportHeight() * kTwipsPerPixel); }

void PageFrame::SetLeft(float left) {
    left_ = left;
    Move();
}

void PageFrame::SetTop(float top) {
    top_ = top;
    Move();
}

// The page places the form at whole CSS pixels, as a desktop places a window at whole pixels.
void PageFrame::Move() const {
    PageMoveForm(static_cast<int>(std::lround(left_ / kTwipsPerPixel)),
                 static_cast<int>(std::lround(top_ / kTwipsPerPixel)));
}

WebForm1::WebForm1(const Commands::Environment& environment) : handlers_(*this, environment) {
    const auto& table = ControlTable();
    colours_.resize(table.size());
    pictures_.resize(table.size());
    for (std::size_t row = 0; row < table.size(); ++row) {
        const ControlSpec& control = table[row];
        if (!control.picture.empty())
            pictures_[row] = ReadBitmap(EmbeddedPicture(control.picture));
        colours_[row] = Packed(control.back) & 0xFFFFFFu;
        const std::string name = control.id.ToString();
        PageCreateControl(static_cast<int>(row), RowIndex(control.container), static_cast<int>(control.kind),
                          control.id.index, Pixels(control.left), Pixels(control.top), Pixels(control.width),
                          Pixels(control.height), control.tabIndex, Packed(control.back), Packed(control.fore),
                          static_cast<int>(control.border), control.visible, control.value, FontOf(control.font).points,
                          FontOf(control.font).bold, control.caption.data(), static_cast<int>(control.caption.size()),
                          pictures_[row].width, pictures_[row].height, name.data(), static_cast<int>(name.size()),
                          static_cast<int>(control.role), control.accessibleName.data(),
                          static_cast<int>(control.accessibleName.size()));
    }
}

void WebForm1::Show() {
    if (!loaded_) {
        loaded_ = true;
        // Nothing in loading is expected to fail; if anything did, the window still opens.
        (void)handlers_.Form_Load();
    }
    PageShowForm();
}

const std::uint8_t* WebForm1::LineField(int row, int width, int height) {
    if (row < 0 || row >= static_cast<int>(pictures_.size()))
        return nullptr;
    const Bitmap device = AtDeviceSize(pictures_[static_cast<std::size_t>(row)], width, height);
    if (device.IsNull())
        return nullptr;
    pixels_.assign(device.black.size() * 4, 255);
    for (std::size_t i = 0; i < device.black.size(); ++i)
        if (device.black[i])
            pixels_[4 * i] = pixels_[4 * i + 1] = pixels_[4 * i + 2] = 0;
    return pixels_.data();
}

Commands::Result<void> WebForm1::SetBackColor(const ControlId& box, RgbColour colour) {
    const int row = RowIndex(box);
    if (row < 0)
        return NoSuchControl();
    colours_[static_cast<std::size_t>(row)] = colour;
    PageSetBackColor(row, colour);
    return {};
}

Commands::Result<RgbColour> WebForm1::BackColor(const ControlId& box) {
    const int row = RowIndex(box);
    if (row < 0)
        return NoSuchControl();
    return colours_[static_cast<std::size_t>(row)];
}

Commands::Result<void> WebForm1::SetCaption(const ControlId& label, const Commands::Text& caption) {
    const int row = RowIndex(label);
    if (row < 0)
        return NoSuchControl();
    PageSetCaption(row, caption.data(), static_cast<int>(caption.size()));
    return {};
}

Commands::Result<void> WebForm1::SetVisible(const ControlId& box, bool visible) {
    const int row = RowIndex(box);
    if (row < 0)
        return NoSuchControl();
    PageSetVisible(row, visible);
    return {};
}

Commands::Result<std::int16_t> WebForm1::SliderValue() { return static_cast<std::int16_t>(PageSliderValue()); }

Commands::Result<void> WebForm1::SetSliderValueText(const Commands::Text& text) {
    PageSetSliderText(text.data(), static_cast<int>(text.size()));
    return {};
}

Commands::Result<void> WebForm1::SetNotice(const ControlId& field, const Commands::Text& notice) {
    const int row = RowIndex(field);
    if (row < 0)
        return NoSuchControl();
    PageSetNotice(row, notice.data(), static_cast<int>(notice.size()));
    return {};
}

Commands::Result<void> WebForm1::SetTitle(const Commands::Text& title) {
    PageSetTitle(title.data(), static_cast<int>(title.size()));
    return {};
}

} // namespace ChartWindow

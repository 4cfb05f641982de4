#include "ui/table/play_button_strip.h"

#include "ui/table/play_button.h"

#include <cmath>

namespace velmora {

namespace {

// Logical pixels: the gap between buttons and their height in the band.
constexpr double kGap = 8;
constexpr double kButtonHeight = 30;

}  // namespace

PlayButtonStrip::PlayButtonStrip(QWidget* parent) : QWidget(parent) {
    setObjectName("PlayButtonStrip");
    // Only the buttons take the mouse: a press between them is not taken here, so it
    // goes on to the table beneath.
    setAttribute(Qt::WA_NoSystemBackground);
}

void PlayButtonStrip::Bind(const std::vector<PlayButtonBinding>& bindings) {
    for (auto& [command, button] : buttons_) delete button;
    buttons_.clear();
    for (const PlayButtonBinding& b : bindings)
        buttons_.emplace_back(b.command, new PlayButton(b.action, b.caption, b.key, this));
    Arrange();
}

PlayButton* PlayButtonStrip::Button(PlayCommand command) const {
    for (const auto& [c, button] : buttons_)
        if (c == command) return button;
    return nullptr;
}

void PlayButtonStrip::Place(const QRect& area, double scale) {
    scale_ = scale;
    setGeometry(area);
    Arrange();
}

void PlayButtonStrip::Arrange() {
    const int n = int(buttons_.size());
    if (n == 0) return;
    const double gap = kGap * scale_;
    const double width = (this->width() - gap * (n + 1)) / n;
    const double height = std::min(double(this->height()), kButtonHeight * scale_);
    const double top = (this->height() - height) / 2;
    for (int i = 0; i < n; ++i) {
        const double left = gap + i * (width + gap);
        buttons_[size_t(i)].second->setGeometry(int(std::lround(left)), int(std::lround(top)),
                                                int(std::lround(width)), int(std::lround(height)));
    }
}

}  // namespace velmora

#pragma once
// A card without a window: off-screen surfaces, no yield, and a name dialog
// that answers with a name given in advance. Used by the command-line tool,
// the benchmarks and the tests.
#include <memory>
#include <string>
#include <vector>

#include "app/card.h"
#include "runtime/image_surface.h"
#include "runtime/scaled_surface.h"

namespace gc {

class GivenName final : public NameDialog {
public:
    explicit GivenName(std::string name) : name_(std::move(name)) {}
    std::string ask(const std::string&) override { return name_; }

private:
    std::string name_;
};

// The clock a headless run uses: SOURCE_DATE_EPOCH (UTC) when it is set, so
// that runs can be repeated exactly, else the local clock.
std::unique_ptr<Clock> headlessClock();

class HeadlessCard {
public:
    // Set-up, name, palette; the name must be acceptable. A scale above 1
    // draws the card that many times larger, for printing.
    explicit HeadlessCard(const std::string& name, std::vector<ParamSetting> overrides = {}, int scale = 1);

    Card& card() { return card_; }
    ImageSurface& picture() { return picture_; }
    // The picture as drawn, at its scale.
    const QImage& image() const { return scaled_ ? scaled_->image() : picture_.image(); }

private:
    ImageSurface picture_{pictureWidth, pictureHeight};
    std::unique_ptr<ScaledSurface> scaled_;
    ImageSurface copy_{pictureWidth, pictureHeight};
    NoWindow window_;
    NoYield host_;
    GivenName dialog_;
    std::unique_ptr<Clock> clock_;
    Card card_;
};

}  // namespace gc

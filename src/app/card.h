#pragma once
// One card: the picture state record, the generator and the procedures that
// make a picture, over whatever platform a front end provides.
#include <memory>
#include <vector>

#include "app/state.h"
#include "generator/param_slots.h"
#include "render/scan.h"
#include "runtime/clock.h"
#include "runtime/generator.h"
#include "runtime/platform.h"
#include "seed/name.h"

namespace gc {

struct Platform {
    Surface& picture;  // the visible picture
    Surface& copy;     // the hidden copy that is saved
    Window& window;
    Host& host;
    NameDialog& dialog;
    Clock& clock;
};

inline constexpr int pictureWidth = 700;
inline constexpr int pictureHeight = 525;

// The start-up statements before the first name: the prompt texts and the
// model-plane geometry.
void setupSlots(PictureState& s);

class FastScan;

class Card {
public:
    explicit Card(Platform platform);
    ~Card();

    PictureState& state() { return s_; }
    const PictureState& state() const { return s_; }
    Generator& generator() { return gen_; }
    const Platform& platform() const { return p_; }

    void setup() { setupSlots(s_); }

    void askname();
    void makepalette();
    // setparams, scanpixels, writegreeting. A picture pass started inside this
    // one's yield (a "repeat" pressed while painting) replaces it: this pass
    // then stops without painting further and without a caption, and returns
    // false.
    bool newpicture(const PixelObserver& observer = {});
    // Ends every pass now running at its next yield, as a replacing pass
    // would: a front end that is closing stops its scans this way.
    void abandonPasses() { ++passesStarted_; }

    // How many threads a picture pass may use (at least 1). Batch rendering
    // runs one card per thread with 1; a single card uses every core.
    void setThreads(int threads);
    int threads() const { return threads_; }

    // Parameter values set by hand, applied after every setparams.
    void setOverrides(std::vector<ParamSetting> overrides) { overrides_ = std::move(overrides); }
    // setparams followed by the overrides.
    void drawParams();

    // The first half of saving: copies the picture point by point into the
    // hidden copy, moving the progress tick along below the picture.
    void copyForSave();

private:
    Platform p_;
    PictureState s_;
    MersenneGenerator gen_;
    std::vector<ParamSetting> overrides_;
    unsigned passesStarted_ = 0;
    int threads_ = 2;
    std::unique_ptr<FastScan> fast_;
};

}  // namespace gc

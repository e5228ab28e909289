#include <ostream>

#include "app/cli/commands.h"
#include "app/headless.h"
#include "app/version.h"
#include "output/card_notes.h"
#include "output/image_file.h"

namespace gc::cli {

int runRender(const Options& o, std::ostream& err) {
    const QString path = QString::fromStdString(*o.output);
    const auto format = formatForPath(path);
    if (!format) {
        err << "greetcard-cli: cannot tell the format of '" << *o.output
            << "'; the file name must end in .bmp or .png\n";
        return 2;
    }
    HeadlessCard headless(o.name, o.settings, o.scale);
    headless.card().newpicture();
    const std::string problem =
        writeImageFile(headless.image(), path, *format, cardNotes(headless.card().state(), version));
    if (!problem.empty()) {
        err << "greetcard-cli: cannot write '" << *o.output << "': " << problem << '\n';
        return 1;
    }
    return 0;
}

}  // namespace gc::cli

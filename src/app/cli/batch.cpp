#include <QDir>
#include <QFont>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <mutex>
#include <thread>

#include "app/cli/commands.h"
#include "app/cli/name_list.h"
#include "app/cli/progress.h"
#include "app/headless.h"
#include "app/version.h"
#include "output/card_notes.h"
#include "output/image_file.h"

namespace gc::cli {

namespace {

struct Finished {
    std::size_t card;
    std::string problem;  // empty when the file was written
};

// Finished cards go from the workers to the thread that reports them, so that
// all output comes from one thread and lines never interleave.
class FinishedQueue {
public:
    explicit FinishedQueue(int workers) : working_(workers) {}
    void push(Finished f) {
        {
            std::lock_guard lock(mutex_);
            queue_.push_back(std::move(f));
        }
        ready_.notify_one();
    }
    void workerDone() {
        {
            std::lock_guard lock(mutex_);
            --working_;
        }
        ready_.notify_one();
    }
    // Waits for the next card; nullopt once every worker has stopped.
    std::optional<Finished> pop() {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return !queue_.empty() || working_ == 0; });
        if (queue_.empty()) return std::nullopt;
        Finished f = std::move(queue_.front());
        queue_.pop_front();
        return f;
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Finished> queue_;
    int working_;
};

// Ctrl-C or a polite kill lets the cards being painted finish and be written
// whole, and starts no more: the folder never keeps a half-written temporary
// file. A second signal ends the program at once.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int) { interrupted = true; }

class InterruptGuard {
public:
    InterruptGuard() {
        struct sigaction action {};
        action.sa_handler = onInterrupt;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        for (std::size_t k = 0; k < std::size(caught); ++k) sigaction(caught[k], &action, &previous_[k]);
    }
    ~InterruptGuard() {
        for (std::size_t k = 0; k < std::size(caught); ++k) sigaction(caught[k], &previous_[k], nullptr);
    }

private:
    static constexpr int caught[] = {SIGINT, SIGTERM};
    struct sigaction previous_[std::size(caught)] {};
};

std::optional<std::string> readText(const std::string& file, std::string& text) {
    if (file == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        if (std::cin.bad()) return "standard input could not be read";
        return std::nullopt;
    }
    QFile f(QString::fromStdString(file));
    if (!f.open(QIODevice::ReadOnly)) return f.errorString().toStdString();
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) return f.errorString().toStdString();
    text = bytes.toStdString();
    return std::nullopt;
}

std::string paintAndWrite(const std::string& name, const Options& o, const QString& path, ImageFormat format) {
    try {
        HeadlessCard headless(name, o.settings);
        // The workers already keep every core busy with whole cards.
        headless.card().setThreads(1);
        headless.card().newpicture();
        return writeImageFile(headless.picture().image(), path, format,
                              cardNotes(headless.card().state(), gc::version));
    } catch (const std::exception& e) {
        return e.what();
    }
}

std::string plural(std::size_t n, const std::string& noun) {
    return std::to_string(n) + ' ' + noun + (n == 1 ? "" : "s");
}

int defaultJobs() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

}  // namespace

int runBatch(const Options& o, std::ostream& err, bool terminal) {
    std::string text;
    if (const auto problem = readText(o.namesFile, text)) {
        err << "greetcard-cli: cannot read '" << o.namesFile << "': " << *problem << '\n';
        return 2;
    }
    const NameList list = readNameList(text);
    const std::string source = o.namesFile == "-" ? "standard input" : o.namesFile;
    const std::string& dir = *o.output;

    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec || !std::filesystem::is_directory(dir)) {
        err << "greetcard-cli: cannot make the folder '" << dir << "': " << (ec ? ec.message() : "not a folder")
            << '\n';
        return 1;
    }

    const QDir folder(QString::fromStdString(dir));
    std::vector<std::string> paths;
    for (const BatchName& c : list.cards)
        paths.push_back(folder.filePath(QString::fromStdString(cardFileName(c.name, o.format))).toStdString());
    const ImageFormat format = o.format == "bmp" ? ImageFormat::Bmp : ImageFormat::Png;

    BatchProgress progress(err, terminal, static_cast<int>(list.cards.size()));
    for (const SkippedLine& s : list.skipped)
        progress.message("greetcard-cli: " + source + " line " + std::to_string(s.line) + ": " + s.problem + "; skipped");
    for (const RepeatedName& r : list.repeats)
        progress.message("greetcard-cli: " + source + " line " + std::to_string(r.line) + " repeats the name of line " +
                         std::to_string(r.firstLine) + "; its card is written once");

    // The caption font is loaded into the font database here, before the
    // workers share it.
    captionFont(12);

    const int jobs = std::min<int>(o.jobs ? o.jobs : defaultJobs(), static_cast<int>(list.cards.size()));
    FinishedQueue finished(jobs);
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t k; !interrupted && (k = next++) < list.cards.size();)
            finished.push({k, paintAndWrite(list.cards[k].name, o, QString::fromStdString(paths[k]), format)});
        finished.workerDone();
    };
    const InterruptGuard interruptible;
    std::vector<std::jthread> workers;
    for (int w = 0; w < jobs; ++w) workers.emplace_back(work);

    int failed = 0;
    std::size_t done = 0;
    while (const auto f = finished.pop()) {
        ++done;
        if (f->problem.empty()) {
            progress.cardWritten(paths[f->card]);
        } else {
            ++failed;
            progress.cardFailed("greetcard-cli: cannot write '" + paths[f->card] + "': " + f->problem);
        }
    }
    progress.finish();
    const std::size_t written = done - static_cast<std::size_t>(failed);
    if (done < list.cards.size()) {
        err << "greetcard-cli: interrupted; " << written << " of " << list.cards.size() << " cards written to '" << dir
            << "'\n";
        return 1;
    }
    err << "greetcard-cli: " << plural(written, "card") << " written to '" << dir << "'";
    if (failed) err << ", " << failed << " could not be written";
    if (!list.skipped.empty()) err << ", " << plural(list.skipped.size(), "line") << " skipped";
    err << '\n';
    return failed || !list.skipped.empty() ? 1 : 0;
}

}  // namespace gc::cli

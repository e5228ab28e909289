#pragma once
// A small fixed team of threads for work split into as many parts as there
// are threads. The calling thread does part 0 itself. Threads wait for work
// by spinning briefly and then sleeping, so that the many short jobs of a
// picture painted row by row are handed over quickly.
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace gc {

class Workers {
public:
    explicit Workers(int threads);
    ~Workers();
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    int size() const { return static_cast<int>(threads_.size()) + 1; }
    // Runs job(k) for every k from 0 to size() - 1 and returns when all are done.
    void run(const std::function<void(int)>& job);

private:
    void loop(int part);

    std::vector<std::thread> threads_;
    const std::function<void(int)>* job_ = nullptr;
    std::atomic<unsigned> generation_{0};
    std::atomic<int> pending_{0};
    std::atomic<bool> stopping_{false};
};

}  // namespace gc

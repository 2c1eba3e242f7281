#pragma once
// A career run through the windows: the game selection, then either a saved game loaded (a game that
// cannot be loaded is reported and the selection comes back) or a new world (countries, currency, the team
// files read with progress, the world built, the people playing enrolled), and then the seasons, every
// question of the rules answered by the windowed port. A game that cannot be saved is reported and logged
// and the career goes on.
#include "ui/game/qt_user_port.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QWidget;
class TSettingsStore;
class TWorld;

class TWindowedCareer {
public:
    // `gameDir` holds the team files, the referee file, the flags and the folder "GAMES". The career
    // answers through `port` (a windowed port over `parent` when none is given).
    TWindowedCareer(TSettingsStore& store, std::string gameDir, QWidget* parent,
                    std::unique_ptr<TQtUserPort> port = nullptr);
    ~TWindowedCareer();

    // A new career drawn from this seed in the year 2002 instead of the clock and this year, so it can be
    // played again the same way (tests, pictures of the windows).
    void SetSeed(std::uint32_t seed) { seed_ = seed; }

    // Called with the world as the seasons are about to begin (a new world built, or a game loaded).
    void SetWorldReady(std::function<void(TWorld&)> ready) { worldReady_ = std::move(ready); }

    // The whole career; returns when it ends (the person quit, or the start was cancelled).
    void Run();

    TWorld* World() const { return world_.get(); }
    TQtUserPort& Port() { return *port_; }

private:
    void Begin(std::unique_ptr<TWorld>& world);
    bool NewWorld(std::unique_ptr<TWorld>& world, const std::string& path);
    bool Load(std::unique_ptr<TWorld>& world, const std::string& path);
    void Report(const std::string& message);

    TSettingsStore& store_;
    std::string gameDir_;
    QWidget* parent_;
    std::optional<std::uint32_t> seed_;
    std::function<void(TWorld&)> worldReady_;
    std::unique_ptr<TQtUserPort> port_;
    std::unique_ptr<TWorld> world_;
};

// Today's phase: the status text of the tip window and the picture of the tray icon.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/cycle.h"

namespace mirelle {

// A complete 16x16, 16-colour ICO file.
using IconImage = std::array<uint8_t, 318>;

enum class PhaseIcon { NotSet, Period, Safe, Ovulation };

const IconImage& PhaseIconImage(PhaseIcon icon);
PhaseIcon IconForPhase(Phase phase);
const char* StatusTextForPhase(Phase phase);  // "今日处于：…" in GBK

// Where today's picture goes: the tray icon of the tip window.
class TrayIconSink {
 public:
  virtual ~TrayIconSink() = default;
  virtual void SetTrayIcon(const IconImage& image, const std::string& tip) = 0;
};

// Works out today's phase, sets the tray icon (tip = trayTitle) and returns the new status text.
std::string UpdateTodayPhase(const Clock& clock, const PhaseTables& tables, TrayIconSink& tray,
                             const std::string& trayTitle);

}  // namespace mirelle

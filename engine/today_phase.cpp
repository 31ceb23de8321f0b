// Today's phase: the status text for the tip window and the picture for the tray icon.
#include "engine/today_phase.h"

namespace mirelle {

const char* StatusTextForPhase(Phase phase) {
  switch (phase) {
    case Phase::Period:
      return "今日处于：月经期";
    case Phase::SafeBefore:
      return "今日处于：排卵前安全期";
    case Phase::OvulationPeriod:
      return "今日处于：排卵期";
    case Phase::OvulationDay:
      return "今日处于：排卵日";
    case Phase::SafeAfter:
      return "今日处于：排卵后安全期";
    case Phase::NotSet:
      break;
  }
  return "今日处于：请先设置";
}

// Both safe phases share one picture, as do the ovulation period and the ovulation day.
PhaseIcon IconForPhase(Phase phase) {
  switch (phase) {
    case Phase::Period:
      return PhaseIcon::Period;
    case Phase::SafeBefore:
    case Phase::SafeAfter:
      return PhaseIcon::Safe;
    case Phase::OvulationPeriod:
    case Phase::OvulationDay:
      return PhaseIcon::Ovulation;
    case Phase::NotSet:
      break;
  }
  return PhaseIcon::NotSet;
}

// The tray icon's tip stays the program's title; the status text goes back to the caller, which
// keeps it as the program's current status.
std::string UpdateTodayPhase(const Clock& clock, const PhaseTables& tables, TrayIconSink& tray,
                             const std::string& trayTitle) {
  const DateValue today = DateOnly(CurrentDateTime(clock));
  const Phase phase = PhaseOfDay(tables, today);
  std::string status = StatusTextForPhase(phase);
  tray.SetTrayIcon(PhaseIconImage(IconForPhase(phase)), trayTitle);
  return status;
}

}  // namespace mirelle

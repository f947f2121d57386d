#pragma once

#include <memory>

#include "hardware/recording_board.h"
#include "hardware/relay_stack.h"
#include "support/test_session.h"

namespace kv::test {

// A relay stack on an open recording board, on "DC" (or the system and port given), with a
// dwell of 1000 ms; the board's log starts empty.
struct RelayRig {
  explicit RelayRig(const QString& system = QStringLiteral("DC"), int port = 0) {
    t.session.model.ControlSystem = system;
    t.session.model.BoxPort = static_cast<std::uint8_t>(port);
    t.session.model.DwellTime = 1000;
    board.OpenDevice(0);
    board.ClearCalls();
    relay = std::make_unique<RelayStack>(t.session, board);
  }

  TestSession t;
  RecordingBoard board{t.scheduler};
  std::unique_ptr<RelayStack> relay;
};

}  // namespace kv::test

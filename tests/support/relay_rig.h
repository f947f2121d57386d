#pragma once

#include <memory>

#include "hardware/recording_board.h"
#include "hardware/relay_stack.h"
#include "support/test_session.h"

namespace kv::test {

// A relay stack on an open recording board, "DC" unless told, dwell 1000 ms, an empty log.
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

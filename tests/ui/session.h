// The session interpreter: replays a script of tests/sessions on the real window, offscreen
// at a fixed clock, and compares what each command changed with the lines listed under it.
#pragma once

#include <QString>

#include "window_fixture.h"

namespace glosandas::testing {

class Session : WindowFixture {
 public:
  // A session script: each command is followed by the lines it changes, indented; the boxes it
  // opened first, then the state in order. GLOSANDAS_REWRITE=1 writes what was seen back.
  void RunSession(const QString& path);

 private:
  // Runs one command of a session on the window; `folder` holds the session's files.
  void Run(const QString& command, const TempFolder& folder);

  QString answer_;       // the button a session chooses when a box asks
  QString clicked_;      // the control the last command clicked, named as the focus line names it
  bool signal_ = false;  // a signal ends the program as soon as the next box opens
};

}  // namespace glosandas::testing

#pragma once

class TfmQuorvel;

// `quorvel --demo`: the window starts in a new folder of demo reports, with the demo's counter set
// as its default counter set and the reports in the file list, and says what to try next. A demo
// that cannot be written is reported in the window's error box; the window then starts as usual.
namespace DemoStart {

// Call before the window is shown: the folder is written and made the working folder now, so
// that the start-up initialisation loads its SysmonCounters.ini; the reports are listed once the
// initialisation is done.
void prepare(TfmQuorvel &window);

} // namespace DemoStart

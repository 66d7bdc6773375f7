#pragma once

// The real reports beside the repository are optional: a fresh clone without them still passes.
// Where the build found them, though, a test that cannot read them has lost its data and must fail
// rather than skip, or a broken path would pass unnoticed.
constexpr bool realReportsExpected()
{
#ifdef QUORVEL_REAL_REPORTS_EXPECTED
    return true;
#else
    return false;
#endif
}

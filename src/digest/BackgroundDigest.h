#pragma once

#include "DigestRowSums.h"
#include "DigestRun.h"
#include "grid/GridTable.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A digest run on a thread of its own, for a caller that must not wait: the window. What the run
// hands over waits in a mailbox; the caller is woken to take it, in list order, whenever it likes.
//
// The caller can walk away at any time (abandon): the run is asked to stop, nothing reaches the
// caller after that, and the thread finishes on its own, even if a worker of it is blocked in a
// read of a hung file share that returns only much later.
class BackgroundDigest
{
public:
    // Called on the run's thread when something arrives and the caller has taken everything
    // before it. It must only pass a note to the caller's thread (post an event), never take.
    using Wake = std::function<void()>;

    struct Arrivals
    {
        // In list order, each with its figures only (the parses stay in the mailbox).
        std::vector<DigestedReport> reports;
        // How the run ended, once it has.
        std::optional<DigestRun::Result> end;
        // With the end, when the run lists report problems: the table of the problems of every
        // report handed over, filled on the run's thread and belonging to no thread, for the
        // caller to adopt (GridTable::takeCells). A long list takes a while to sort and fill.
        std::unique_ptr<GridTable> problems;
        int problemCount = 0;
    };

    // `sums` are the row sums of the digest table's columns before the run: the run adds the
    // figures of every report it hands over, in order, on its own thread.
    BackgroundDigest(DigestRun::Input input, DigestRowSums sums, Wake wake);
    // Abandons the run.
    ~BackgroundDigest();
    BackgroundDigest(const BackgroundDigest &) = delete;
    BackgroundDigest &operator=(const BackgroundDigest &) = delete;

    // What has arrived since the last take.
    Arrivals take();
    // The parse of the last report handed over, when the run hands parses over. The ones before it
    // are thrown away on the run's thread as soon as a later one arrives, so the caller's thread
    // never spends time on them. It belongs to the last report taken once nothing more arrives:
    // after the end was taken, or after abandon() and a last take().
    std::optional<ParseResult> takeLatestParse();
    // The row sums with the figures of every report handed over, for the averages. Like the
    // latest parse, they belong to the reports taken once nothing more arrives.
    DigestRowSums rowSums() const;
    // Asks the run to stop; whatever arrives after this is thrown away, and no wake comes.
    void abandon();

private:
    struct Mailbox;
    std::shared_ptr<Mailbox> mailbox_;
};

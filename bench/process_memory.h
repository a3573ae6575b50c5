#pragma once

namespace lumetta::bench {

// Resident memory of this process alone, in KiB (VmRSS).
long OwnResidentKb();

// Proportional resident memory of this process and every process below it (the engine's
// helpers), in KiB: shared pages count once across the processes that share them, so the
// engine's libraries are not counted again for every process.
long TreeResidentKb();

}  // namespace lumetta::bench

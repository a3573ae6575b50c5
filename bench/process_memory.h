#pragma once

namespace lumetta::bench {

// Resident memory of this process alone, in KiB (VmRSS).
long OwnResidentKb();

// Proportional resident memory of the process `root` (this one by default) and every process
// below it (the engine's helpers), in KiB: shared pages count once across the processes that
// share them, so the engine's libraries are not counted again for every process. Summed over
// several trees it stays proportional: each tree holds its share of what they share.
long TreeResidentKb(int root = -1);

}  // namespace lumetta::bench

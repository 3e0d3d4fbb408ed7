#pragma once
// The refresh pass: every monitored drive's row filled afresh, the TotalRow after
// them when asked for, and the client height fitted to the rows shown.
#include "monitor/disk_queries.h"
#include "monitor/drive_rows.h"

namespace keldra::monitor {

// Hides the rows of the empty slots within the drive limit, and the row just past
// the limit, which only a pass that fills every slot uses (for the TotalRow).
void Hide_Empty_Drive_Rows(Drive_Rows& rows, const Refresh_Inputs& inputs);

// One pass. A slot character that is not a letter raises Keldra_Error ("'' is not
// a valid integer value") at that slot: earlier rows are updated, that row, the
// later ones and the client height are left as they were.
void Refresh_All_Drives(Drive_Rows& rows, const Refresh_Inputs& inputs, Disk_Queries& queries);

}  // namespace keldra::monitor

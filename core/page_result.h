#pragma once

// Dialog results as the pages report them. A page that could not be shown
// gives -1, which is neither.
constexpr int kPageOk = 1;      // IDOK
constexpr int kPageCancel = 2;  // IDCANCEL

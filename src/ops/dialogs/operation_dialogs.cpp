#include "ops/dialogs/operation_dialogs.h"

// No dialogs yet: nothing is ever shown or armed.
KnollOperationDialogs::KnollOperationDialogs(vBaseWindow* /*owner*/) {}
KnollOperationDialogs::~KnollOperationDialogs() = default;

void KnollOperationDialogs::CloseOpenDialog() {}
bool KnollOperationDialogs::IsShown(int /*kind*/) const { return false; }
void KnollOperationDialogs::Present(int /*kind*/, const char* /*message*/) {}
std::string KnollOperationDialogs::ArmOperation() { return ""; }
DriverReport KnollOperationDialogs::RunArmedOperation(HeightField& /*field*/, int /*area*/) { return {}; }

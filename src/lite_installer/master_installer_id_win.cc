#include "lite_installer/master_installer_id.h"

namespace lite_installer {

namespace {
// A section of its own, marked shared: every process that maps this executable sees the same 4 bytes.
__attribute__((section("SHARED"), shared)) volatile uint32_t g_master_installer_id = 0;
}  // namespace

void SetMasterInstallerId(uint32_t process_id) { g_master_installer_id = process_id; }

uint32_t GetMasterInstallerId() { return g_master_installer_id; }

}  // namespace lite_installer

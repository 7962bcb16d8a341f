// The process id of the installer instance that owns the single-instance lock, shared by every
// process started from the same installer file.
#ifndef LITE_INSTALLER_MASTER_INSTALLER_ID_H_
#define LITE_INSTALLER_MASTER_INSTALLER_ID_H_

#include <cstdint>

namespace lite_installer {

// Written only by the instance that owns the lock.
void SetMasterInstallerId(uint32_t process_id);
// Read only by instances that do not own it; 0 until a master has written it.
uint32_t GetMasterInstallerId();

}  // namespace lite_installer

#endif  // LITE_INSTALLER_MASTER_INSTALLER_ID_H_

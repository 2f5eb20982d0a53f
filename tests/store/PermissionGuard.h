// Makes file permissions bind for the calling thread even for the superuser: the thread's override
// capabilities are lowered while the guard lives (capabilities are per thread on Linux, and the
// store writes files on the calling thread).
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tova::test {

class PermissionGuard {
public:
    PermissionGuard() {
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_active = syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~PermissionGuard() {
        if (m_active)
            syscall(SYS_capset, &m_header, m_saved);
    }
    PermissionGuard(const PermissionGuard&) = delete;
    PermissionGuard& operator=(const PermissionGuard&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_active = false;
};

} // namespace tova::test

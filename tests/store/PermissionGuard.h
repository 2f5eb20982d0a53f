// Makes file permissions bind for the calling thread even when the tests run as the superuser: the
// thread's override capabilities are lowered for the guard's lifetime and raised again afterwards.
// (Capabilities are per thread on Linux, and the store writes files on the calling thread.)
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tova::test {

class PermissionGuard {
public:
    PermissionGuard()
    {
        m_header.version = _LINUX_CAPABILITY_VERSION_3;
        m_header.pid = 0;
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        const unsigned mask = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);
        lowered[0].effective &= ~mask;
        m_active = syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~PermissionGuard()
    {
        if (m_active)
            syscall(SYS_capset, &m_header, m_saved);
    }
    PermissionGuard(const PermissionGuard&) = delete;
    PermissionGuard& operator=(const PermissionGuard&) = delete;

private:
    __user_cap_header_struct m_header{};
    __user_cap_data_struct m_saved[2]{};
    bool m_active = false;
};

} // namespace tova::test

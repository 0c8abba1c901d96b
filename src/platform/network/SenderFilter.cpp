#include "SenderFilter.h"

#include <linux/filter.h>
#include <sys/socket.h>

// When the filter runs, the datagram starts at its UDP header (the source
// port is its first half-word) and the IP header, with the source address
// at byte 12, is reached below the network-layer offset. Each sender takes
// five instructions with short jumps only, so any number fits the jump range.
bool SenderFilter::attach(int fd, const std::vector<Sender> &senders)
{
    constexpr quint32 keep = 0xFFFF; // bytes of the datagram to keep: all
    std::vector<sock_filter> program;
    if (senders.size() > size_t(MaxSenders)) {
        program.push_back(BPF_STMT(BPF_RET | BPF_K, keep));
    } else {
        for (const Sender &s : senders) {
            program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, quint32(SKF_NET_OFF + 12)));
            program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, s.ipv4, 0, 3));
            program.push_back(BPF_STMT(BPF_LD | BPF_H | BPF_ABS, 0));
            program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, s.port, 0, 1));
            program.push_back(BPF_STMT(BPF_RET | BPF_K, keep));
        }
        program.push_back(BPF_STMT(BPF_RET | BPF_K, 0));
    }
    const sock_fprog filter{static_cast<unsigned short>(program.size()), program.data()};
    return ::setsockopt(fd, SOL_SOCKET, SO_ATTACH_FILTER, &filter, sizeof filter) == 0;
}

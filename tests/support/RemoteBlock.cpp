#include "tests/support/RemoteBlock.h"

RemoteBlock::RemoteBlock(HANDLE process)
    : m_process(process),
      m_block(static_cast<char*>(VirtualAllocEx(process, nullptr, kTextOffset + kTextSize, MEM_COMMIT, PAGE_READWRITE)))
{
}

RemoteBlock::~RemoteBlock()
{
    if (m_block)
        VirtualFreeEx(m_process, m_block, 0, MEM_RELEASE);
}

std::string RemoteBlock::Text() const
{
    char text[kTextSize] = "";
    ReadProcessMemory(m_process, TextBuffer(), text, sizeof text, nullptr);
    text[kTextSize - 1] = '\0';
    return text;
}

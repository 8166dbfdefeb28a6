// QXcopy carried out: a file of the disc copied, never overwriting, into a folder.
#pragma once

// Copies as the directive value says, the source taken from discRoot; refused sources
// and folders, like a missing source, copy nothing and say nothing.
void CopyDiscFile(const char* value, const char* discRoot);

#pragma once
#include <cstddef>
#include <functional>
#include <string>

// Checks that need another user or a disk of their own run in a forked child.
// The body answers "" when every check passed, else what went wrong; a child
// that cannot be set up as asked fails with the reason, never passes.
using ChildBody = std::function<std::string()>;

std::string RunInChild(const ChildBody& body);
// As a user without privileges: root drops to nobody (65534) with no
// supplementary groups; anyone else runs as themselves, where permission
// checks already apply.
std::string RunAsUnprivilegedUser(const ChildBody& body);
// With a fresh tmpfs of `bytes` mounted on the existing `folder`, in a mount
// namespace of the child's own (and a user namespace when not root).
std::string RunOnSmallDisk(const std::string& folder, std::size_t bytes, const ChildBody& body);

// Fills the file system that holds `folder` until it refuses more bytes.
bool FillDisk(const std::string& folder);

// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_SYSTEMFAILURE_H
#define QUORLITH_ENGINE_SYSTEMFAILURE_H

// Whether an errno value means that the system, not the file, failed: no descriptors or memory left,
// an I/O error. Such a failure says nothing about the evidence, and checking again may succeed.
bool IsSystemFailure(int error);

#endif

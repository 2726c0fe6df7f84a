// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The source of the target that owns the test programs' precompiled GoogleTest header, which
// CMake adds to every source of the target: this one needs nothing more.

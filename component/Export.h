#pragma once
// What libkovelund shows to its hosts: everything is hidden unless marked with KOVELUND_EXPORT.

#define KOVELUND_EXPORT __attribute__((visibility("default")))

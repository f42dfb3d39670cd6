#pragma once
// Templates of the test-only dialog and two-page sheet that prove the
// dialog base.

#define IDD_TEST_FIELDS 9100
#define IDC_TEST_NAME 9101
#define IDC_TEST_SIGNED 9102
#define IDC_TEST_SIGNED_SPIN 9103
#define IDC_TEST_SIZE 9104
#define IDC_TEST_SIZE_SPIN 9105
#define IDC_TEST_FLAG 9106
#define IDC_TEST_PICK 9107

#define IDD_TEST_PAGE_ONE 9200
#define IDC_TEST_COUNT 9201
#define IDC_TEST_COUNT_SPIN 9202
#define IDD_TEST_PAGE_TWO 9210
#define IDC_TEST_OFFSET 9211
#define IDC_TEST_BIT 9212

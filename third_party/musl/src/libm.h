/* The part of musl's internal src/internal/libm.h that the trigonometric functions here use,
   written for any C99 compiler rather than for musl's own build: no <endian.h>, no symbol
   visibility. It also renames every function these files define, the public ones to the
   names in musl_trig.h and the kernels to names of their own, so that none of them clashes
   with the C library linked beside them. Functions they call and do not define (sqrt, fabs,
   floor, scalbn) come from the C library: each is exact in IEEE arithmetic. */
#ifndef _LIBM_H
#define _LIBM_H

#include <float.h>
#include <math.h>
#include <stdint.h>

#include "../include/musl_trig.h"

#define sin musl_sin
#define cos musl_cos
#define tan musl_tan
#define asin musl_asin
#define acos musl_acos
#define atan musl_atan
#define atan2 musl_atan2
#define __sin musl_kernel_sin
#define __cos musl_kernel_cos
#define __tan musl_kernel_tan
#define __rem_pio2 musl_rem_pio2
#define __rem_pio2_large musl_rem_pio2_large

#define hidden

#ifdef __GNUC__
#define predict_true(x) __builtin_expect(!!(x), 1)
#define predict_false(x) __builtin_expect(x, 0)
#else
#define predict_true(x) (x)
#define predict_false(x) (x)
#endif

/* Evaluates x for its floating-point exception flags alone. */
static inline void fp_force_evalf(float x)
{
	volatile float y;
	y = x;
	(void)y;
}

static inline void fp_force_eval(double x)
{
	volatile double y;
	y = x;
	(void)y;
}

#define FORCE_EVAL(x) do {                        \
	if (sizeof(x) == sizeof(float)) {         \
		fp_force_evalf(x);                \
	} else {                                  \
		fp_force_eval(x);                 \
	}                                         \
} while(0)

#define asuint64(f) ((union{double _f; uint64_t _i;}){f})._i
#define asdouble(i) ((union{uint64_t _i; double _f;}){i})._f

#define EXTRACT_WORDS(hi,lo,d)                    \
do {                                              \
  uint64_t __u = asuint64(d);                     \
  (hi) = __u >> 32;                               \
  (lo) = (uint32_t)__u;                           \
} while (0)

#define GET_HIGH_WORD(hi,d)                       \
do {                                              \
  (hi) = asuint64(d) >> 32;                       \
} while (0)

#define GET_LOW_WORD(lo,d)                        \
do {                                              \
  (lo) = (uint32_t)asuint64(d);                   \
} while (0)

#define INSERT_WORDS(d,hi,lo)                     \
do {                                              \
  (d) = asdouble(((uint64_t)(hi)<<32) | (uint32_t)(lo)); \
} while (0)

#define SET_LOW_WORD(d,lo)                        \
  INSERT_WORDS(d, asuint64(d)>>32, lo)

hidden int    __rem_pio2_large(double*,double*,int,int,int);
hidden int    __rem_pio2(double,double*);
hidden double __sin(double,double,int);
hidden double __cos(double,double);
hidden double __tan(double,double,int);

#endif

/* Writes sincos.tsv: glibc's own sinl and cosl of a few hundred irregular
   x87 extended angles, so that tests on any C library can check Tolvar's
   copy of that code against them bit for bit. Run once on x86-64 Linux:

     cc -O2 -fno-builtin -o /tmp/make_table make_table.c -lm && /tmp/make_table > sincos.tsv

   -fno-builtin keeps the compiler from working out constant angles itself,
   correctly rounded, where glibc may be one unit off.  */
#include <float.h>
#include <gnu/libc-version.h>
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

static uint64_t state = 0x2545f4914f6cdd1dULL;

/* splitmix64: fixed, so the table is made the same each time. */
static uint64_t next64 (void)
{
  uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

/* A random 64-bit mantissa with its top bit set, times 2^exponent.  */
static long double scaled (int exponent)
{
  const long double m = (long double) (next64 () | 0x8000000000000000ULL);
  const long double x = ldexpl (m, exponent - 63);
  return next64 () & 1 ? -x : x;
}

static long double uniform (long double lowest, long double highest)
{
  return lowest + ldexpl ((long double) next64 (), -64) * (highest - lowest);
}

static void print (long double x)
{
  unsigned char b[10];
  uint64_t mantissa;
  uint16_t word;
  memcpy (b, &x, 10);
  memcpy (&mantissa, b, 8);
  memcpy (&word, b + 8, 2);
  printf ("%04x:%016llx", word, (unsigned long long) mantissa);
}

static void row (volatile long double x)
{
  print (x);
  putchar ('\t');
  print (sinl (x));
  putchar ('\t');
  print (cosl (x));
  putchar ('\n');
}

int main (void)
{
  /* pi/2 as a sum of two long doubles.  */
  const long double halfPiHi = 0xc.90fdaa22168c235p-3L;
  const long double halfPiLo = -0xe.ce675d1fc8f8cbbp-69L;
  const long double hand[] = {
    0.5L, 0xf.333333333333333p-3L, 0x8.666666666666666p-1L, 100.0L, -0xe.8p-1L, 0x1p40L,
    0.0L, -0.0L, 0x1p-16445L, 0x1p-16382L, 0x1p-33L, 0x1p63L, 0x1p64L, 1e4000L,
    LDBL_MAX, -LDBL_MAX, INFINITY, -INFINITY, NAN,
  };
  /* Near k pi/2: the reduction cancels most of the bits there.  */
  const long double multiples[] = {
    1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 16, 25, 50, 101, 355, 710, 1000, 12345,
    65537, 1048583, 33554467, 1e9L, 7e12L, 0x1p62L + 12345,
  };

  printf ("# glibc %s sinl and cosl on x86-64, from make_table.c.\n", gnu_get_libc_version ());
  printf ("# x, sin x, cos x: each as its sign and exponent word, then its mantissa.\n");
  for (size_t i = 0; i < sizeof hand / sizeof hand[0]; ++i)
    row (hand[i]);
  for (int i = 0; i < 120; ++i)
    row (uniform (-7.0L, 7.0L)); /* every quadrant, both signs */
  for (int i = 0; i < 40; ++i)
    row (uniform (-2000.0L, 2000.0L));
  for (int i = 0; i < 40; ++i)
    row (scaled (-16440 + (int) (next64 () % 16420))); /* tiny, subnormals too */
  for (size_t i = 0; i < sizeof multiples / sizeof multiples[0]; ++i)
    {
      const long double k = multiples[i];
      long double x = fmal (k, halfPiHi, k * halfPiLo);
      x = i & 1 ? -x : x;
      long double below = x, above = x;
      row (x);
      for (int ulps = 1; ulps <= 2; ++ulps)
        {
          below = nextafterl (below, -INFINITY);
          above = nextafterl (above, INFINITY);
          row (below);
          row (above);
        }
    }
  for (int i = 0; i < 40; ++i)
    row (scaled (20 + (int) (next64 () % 44))); /* the medium reduction */
  /* Huge: one in every 96 exponents, so that each word of glibc's table of
     2/pi has a say in the reduction of some angle.  */
  for (int band = 64; band < 16384; band += 96)
    row (scaled (band + (int) (next64 () % (band + 96 < 16384 ? 96 : 16384 - band))));
  return 0;
}

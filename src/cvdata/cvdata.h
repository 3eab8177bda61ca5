/* The card-art library's C interface, shared by the library and its clients. */
#ifndef CORVALLE_CVDATA_H
#define CORVALLE_CVDATA_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Identifiers a client binds to; the registry maps the class to the library's path. */
#define CVDATA_CLSID "{2A40ACF9-C4A1-4DAA-BC54-97B1114D4A8A}"
#define CVDATA_IID "{EEC5B957-EBD5-4C03-8B64-3006AEDADEE1}"
#define CVDATA_LIBID "{7D1C5E0B-93A4-4F61-A2B8-0C5D2E6F1A47}"

/* Status codes, laid out as HRESULTs: negative means failure. */
typedef int32_t CvResult;
#define CV_S_OK ((CvResult)0)
#define CV_S_FALSE ((CvResult)1)
#define CV_E_STYLE ((CvResult)0x80047D90)           /* face or back style doesn't exist */
#define CV_E_ELEMENT ((CvResult)0x800A0154)         /* no companion colour at that index */
#define CV_E_POINTER ((CvResult)0x80004003)         /* a null out-parameter */
#define CV_E_NOINTERFACE ((CvResult)0x80004002)     /* unknown interface identifier */
#define CV_E_CLASSNOTAVAILABLE ((CvResult)0x80040111) /* unknown class identifier */
#define CV_E_REGISTRY ((CvResult)0x80040201)        /* the component registry could not be changed */
#define CV_E_UNEXPECTED ((CvResult)0x8000FFFF)

/* A read-only picture owned by the library: Pixels holds Width x Height values
 * 0xAARRGGBB, row by row. An empty picture has 0 x 0 and no pixels. */
typedef struct CvPicture {
  int32_t Width;
  int32_t Height;
  const uint32_t* Pixels;
} CvPicture;

typedef struct clsCards clsCards;

/* Every operation returns a status and delivers its value through the last argument.
 * After a failure GetErrorDescription tells what went wrong. */
typedef struct clsCardsVtbl {
  uint32_t (*AddRef)(clsCards* self);
  uint32_t (*Release)(clsCards* self);
  const char* (*GetErrorDescription)(clsCards* self);

  CvResult (*GetNumberOfDecks)(clsCards* self, int16_t* result);
  CvResult (*GetNumberOfBacks)(clsCards* self, int16_t* result);
  /* colour as red in the low byte, then green, then blue */
  CvResult (*GetBackColor)(clsCards* self, int16_t WhichBackStyle, uint32_t* result);
  CvResult (*SetCardImage)(clsCards* self, int16_t Index, const CvPicture** result);
  /* SmallSize is a 16-bit boolean: 0 false, anything else (normally -1) true */
  CvResult (*SetCardBack)(clsCards* self, int16_t Index, int16_t SmallSize, const CvPicture** result);
  CvResult (*GetCardSuit)(clsCards* self, int16_t x, const char** result);
  CvResult (*GetCardValue)(clsCards* self, int16_t x, const char** result);
} clsCardsVtbl;

struct clsCards {
  const clsCardsVtbl* lpVtbl;
};

typedef struct CvVersionInfo {
  const char* ProductName;
  const char* FileVersion;
  const char* ProductVersion;
  const char* InternalName;
  const char* OriginalFilename;
  int32_t SelfRegister; /* 1: the library enters itself in the registry */
} CvVersionInfo;

/* Library entry points. */
CvResult DllRegisterServer(void);
CvResult DllUnregisterServer(void);
CvResult DllGetClassObject(const char* clsid, const char* iid, clsCards** object);
CvResult DllCanUnloadNow(void);
const CvVersionInfo* DllGetVersionInfo(void);

typedef CvResult (*DllRegisterServerFn)(void);
typedef CvResult (*DllUnregisterServerFn)(void);
typedef CvResult (*DllGetClassObjectFn)(const char*, const char*, clsCards**);
typedef CvResult (*DllCanUnloadNowFn)(void);
typedef const CvVersionInfo* (*DllGetVersionInfoFn)(void);

#ifdef __cplusplus
}
#endif

#endif

/* Ids of the editor library's string resources; the resource script
   includes this file too, so it holds plain defines only. */
#pragma once

#define cxSEditInvalidInput 0xE000
#define cxSRegExprErrors 0xE001
#define cxSRegExprLine 0xE002
#define cxSRegExprChar 0xE003
#define cxSScrollBarOutOfRange 0xE004
#define cxSCouldNotConvertToTime 0xE005
#define cxSRegExprNotAssignedSourceStream 0xE006
#define cxSRegExprEmptySourceStream 0xE007
#define cxSRegExprMissing 0xE008
#define cxSRegExprUnnecessary 0xE009
#define cxSRegExprSpaceAfterBackslash 0xE00A
#define cxSRegExprHexNumberExpected0 0xE00B
#define cxSRegExprHexNumberExpected 0xE00C
#define cxSRegExprIllegalSymbol 0xE00D
#define cxSRegExprIllegalQuantifier 0xE00E
#define cxSRegExprCantUseStar 0xE00F
#define cxSRegExprCantUsePlus 0xE010
#define cxSRegExprIncorrectParameterQuantifier 0xE011
#define cxSRegExprCantUseParameterQuantifier 0xE012
#define cxSRegExprEmptyAlt 0xE013
#define cxSRegExprEmptyBlock 0xE014
#define cxSRegExprIllegalIntegerValue 0xE015
#define cxSRegExprTooBigReferenceNumber 0xE016
#define cxSRegExprCantCreateEmptyEnum 0xE017
#define cxSRegExprSubrangeOrder 0xE018
#define cxSRegExprTooComplex 0xE019
#define cxSRegExprNotCompiled 0xE01A
#define cxSEditRepositoryItemNotAcceptable 0xE01B

/* The relative-date words of the date masks, in their order (cxDateUtils). */
#define cxSDateToday 0xE100
#define cxSDateYesterday 0xE101
#define cxSDateTomorrow 0xE102
#define cxSDateSunday 0xE103
#define cxSDateMonday 0xE104
#define cxSDateTuesday 0xE105
#define cxSDateWednesday 0xE106
#define cxSDateThursday 0xE107
#define cxSDateFriday 0xE108
#define cxSDateSaturday 0xE109
#define cxSDateFirst 0xE10A
#define cxSDateSecond 0xE10B
#define cxSDateThird 0xE10C
#define cxSDateFourth 0xE10D
#define cxSDateFifth 0xE10E
#define cxSDateSixth 0xE10F
#define cxSDateSeventh 0xE110
#define cxSDateBOM 0xE111
#define cxSDateEOM 0xE112
#define cxSDateNow 0xE113

/* Ids of the editor library's string resources; the resource script
   includes this file too, so it holds plain defines only. */
#pragma once

#define cxSEditInvalidInput 0xE000
#define cxSRegExprErrors 0xE001
#define cxSRegExprLine 0xE002
#define cxSRegExprChar 0xE003
#define cxSScrollBarOutOfRange 0xE004
#define cxSCouldNotConvertToTime 0xE005

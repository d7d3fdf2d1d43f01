#pragma once
// Published ids of the per-type options dialog's controls, so that an outside program (and the tests) can
// find and drive every one. Arrays take consecutive ids from their index-0 id; each page owns a block of
// a hundred ids.

namespace options {

enum ArcOptionId {
  ID_tspArcType = 100,
  ID_cmdOk,
  ID_cmdCancel,
  ID_fraOption = 200,  // (0)..(17), page k is ID_fraOption + k

  // The end labels of the sliders, one array over several pages: ZIP 0/1, CAB 2/3, TAR 4/5, ACE 6/7,
  // BGA 9/8, YZ2 11/10, BH 12/13 (left/right).
  ID_lblNo = 900,  // (0)..(13)

  // LZH
  ID_fraLZHArcType = 1000,
  ID_optLZHArcType,  // (0)..(4)
  ID_fraLZHHeadType = ID_optLZHArcType + 5,
  ID_optLZHHeadType,  // (0)..(2)
  ID_fraLZHFileOpt = ID_optLZHHeadType + 3,
  ID_chkLZHFileOpt,  // (0)..(2)
  ID_chkLZHBroken = ID_chkLZHFileOpt + 3,
  ID_chkLZHAttribute,
  ID_chkLZHNewArc,
  ID_chkLZHSpaceFolder,
  ID_chkLZHAllStatus,
  ID_chkLZHErrSkip,
  ID_chkLZHMakeSFX,
  ID_cmdSfxConfig,
  ID_cmdLZHConfig,

  // ZIP
  ID_fraZIPArcType = 1100,
  ID_sldZIPArcType,
  ID_lblLZHArcType,  // (0), (1): the speed and ratio ends of the ZIP slider
  ID_fraZIPFileOpt = ID_lblLZHArcType + 2,
  ID_chkZIPFileOpt,  // (0)..(2)
  ID_chkZIPAttribute = ID_chkZIPFileOpt + 3,
  ID_fraZIPConvert,
  ID_chkZIPEnterConvert,
  ID_optZIPConvert,  // (0), (1)
  ID_chkEncrypt = ID_optZIPConvert + 2,
  ID_chkZIPMakeSFX,
  ID_chkZIPNoKekka,
  ID_cmdZIPConfig,  // (0) extraction, (1) compression

  // CAB
  ID_fraCABMulti = 1200,
  ID_chkCABMulti,
  ID_optCABMulti,  // (0)..(4)
  ID_txtCABMulti = ID_optCABMulti + 5,
  ID_vscCABMulti,
  ID_lblCABMulti,
  ID_chkCABMultiFile,  // the label of the volume name box
  ID_txtCABMultiFile,
  ID_fraCABArcType,
  ID_optCABArcType,  // (0)..(2)
  ID_sldCABArcType = ID_optCABArcType + 3,
  ID_lblCABArcType,  // (0), (1)
  ID_fraCABFileOpt = ID_lblCABArcType + 2,
  ID_chkCABFileOpt,
  ID_chkCABMakeSFX,
  ID_chkCABNoPack,
  ID_txtCABNoPack,
  ID_cmdCABConfig,  // (0), (1), never shown

  // ARJ
  ID_lblARJArcType = 1300,
  ID_cmbARJArcType,
  ID_fraARJFileOpt,
  ID_chkARJFileOpt,  // (0), (1)
  ID_chkARJBroken = ID_chkARJFileOpt + 2,
  ID_chkARJAllStatus,
  ID_chkARJMakeSFX,
  ID_lblARJComment,

  // TAR
  ID_fraTARArcType = 1400,
  ID_optTARArcType,  // (0) Compress, (1) Gzip, (2) Bzip2
  ID_sldTARArcType = ID_optTARArcType + 3,
  ID_lblTARArcType,  // (0), (1)
  ID_chkTARMakeSFX = ID_lblTARArcType + 2,
  ID_cmdTARConfig,  // (0), (1)

  // ISH
  ID_lblISHMode = 1500,
  ID_cmbISHMode,
  ID_lblISHOs,
  ID_cmbISHOs,
  ID_cmdISHConfig,  // (0), (1)

  // RAR
  ID_lblRARArcType = 1600,
  ID_cmbRARArcType,
  ID_lblRARDictionary,
  ID_cmbRARDictionary,
  ID_lblRARVolume,
  ID_cmbRARVolume,
  ID_lblRARVolumeKB,
  ID_fraRARFileOpt,
  ID_chkRARFileOpt,  // (0), (1)
  ID_chkRARSolid = ID_chkRARFileOpt + 2,
  ID_chkRARMultimedia,
  ID_chkRARShared,
  ID_chkRARMakeSFX,
  ID_lblRARComment,

  // YZ1
  ID_chkYZ1MakeSFX = 1700,
  ID_fraYZ1Pass,
  ID_chkYZ1Pass,
  ID_lblYZ1DefaultPass,
  ID_txtYZ1DefaultPass,

  // ACE
  ID_fraACEFileOpt = 1800,
  ID_chkACEFileOpt,  // (0), (1)
  ID_fraACEArcType = ID_chkACEFileOpt + 2,
  ID_sldACEArcType,
  ID_lblACEArcType,  // (0), (1)
  ID_chkACESolid = ID_lblACEArcType + 2,
  ID_chkACEMakeSFX,
  ID_lblACEComment,

  // JAR
  ID_lblJARArcType = 1900,
  ID_cmbJARArcType,
  ID_fraJARFileOpt,
  ID_chkJARFileOpt,  // (0), (1)
  ID_chkJARNewArc = ID_chkJARFileOpt + 2,
  ID_lblJARComment,

  // BGA
  ID_fraBGAArcType = 2000,
  ID_optBGAArcType,  // (0), (1)
  ID_fraBGALevel = ID_optBGAArcType + 2,
  ID_sldBGALevel,
  ID_lblBGALevel,  // (0), (1)
  ID_fraBGAFileOpt = ID_lblBGALevel + 2,
  ID_chkBGAFileOpt,  // (0), (1)
  ID_chkBGAAttribute = ID_chkBGAFileOpt + 2,
  ID_chkBGAMakeSFX,
  ID_cmdBGAConfig,

  // GCA
  ID_fraGCAArcType = 2100,
  ID_optGCAArcType,  // (0)..(2)
  ID_fraGCAArcOpt = ID_optGCAArcType + 3,
  ID_chkGCAArcOpt,  // (0), (1)
  ID_fraGCAPass = ID_chkGCAArcOpt + 2,
  ID_chkGCAPass,
  ID_optGCAPass,  // (0) pass phrase, (1) key file
  ID_txtGCAPass = ID_optGCAPass + 2,
  ID_cmdGCAPass,
  ID_lblGCADefaultPass,
  ID_txtGCADefaultPass,
  ID_lblGCAComment,

  // 7Z
  ID_fra7ZArcType = 2300,
  ID_chk7ZSolid,
  ID_chk7ZArcHead,
  ID_opt7ZArcMode,  // (0) fast, (1) high ratio
  ID_fra7ZFileOpt = ID_opt7ZArcMode + 2,
  ID_chk7ZFileOpt,  // (0), (1)
  ID_chk7ZMakeSFX = ID_chk7ZFileOpt + 2,
  ID_cbo7ZMakeSFX,
  ID_fra7ZArcType2,
  ID_opt7ZArcType,  // (0) 7z, (1) zip
  ID_fra7ZPass = ID_opt7ZArcType + 2,
  ID_chk7ZPass,
  ID_lbl7ZDefaultPass,
  ID_txt7ZDefaultPass,

  // IMP
  ID_chkIMPAttribute = 2400,
  ID_chkIMPAllStatus,

  // YZ2
  ID_chkYZ2MakeSFX = 2500,
  ID_fraYZ2Pass,
  ID_chkYZ2Pass,
  ID_lblYZ2DefaultPass,
  ID_txtYZ2DefaultPass,
  ID_fraYZ2BuffaSize,
  ID_sldYZ2BuffaSize,
  ID_chkYZ2Ppm,
  ID_fraYZ2MultiThread,
  ID_optYZ2MultiThread,  // (0)..(2)

  // BH
  ID_fraBHFileOpt = 2600,
  ID_chkBHFileOpt,  // (0), (1)
  ID_chkBHAttribute = ID_chkBHFileOpt + 2,
  ID_chkBHHiddenFolder,
  ID_chkBHNewArc,
  ID_chkBHSpaceFolder,
  ID_fraBHLevel,
  ID_sldBHLevel,
  ID_lblBHLevel,  // (0), (1)
  ID_fraBHPass = ID_lblBHLevel + 2,
  ID_chkBHPass,
  ID_lblBHDefaultPass,
  ID_txtBHDefaultPass,
  ID_chkBHMakeSFX,

  // Common
  ID_fraFolder = 2700,
  ID_optFolder,  // (0)..(2)
};

}  // namespace options

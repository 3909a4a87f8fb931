/*
 * resource.h -- ids shared by the resource script and the code: strings,
 * dialog templates and controls. Controls are numbered in one block per
 * dialog (the block of template NNN starts at NNN * 100); the standard
 * buttons keep their shared ids.
 */
#ifndef TORVEX_RESOURCE_H
#define TORVEX_RESOURCE_H

/* ---- string table ---- */
#define IDS_BUTTON_VARIABLE   100 /* "_BUTTON" */
#define IDS_MAINTENANCE       106 /* message box caption */
#define IDS_LENS_VARIABLE     107 /* "_Lens" */
#define IDS_OPT_OPGS          108
#define IDS_OPTION_SECTION    109 /* "PCS,1" */
#define IDS_OPT_PMP2          110
#define IDS_OPT_NEW_RF        111
#define IDS_LENS2_VARIABLE    112 /* "_Lens2" */
#define IDS_LENS3_VARIABLE    113 /* "_Lens3" */
#define IDS_QPTYPE_VARIABLE   114 /* "_QPType" */
#define IDS_AFC_VARIABLE      115 /* "_AFC" */
#define IDS_DETECTOR_HV       200
#define IDS_OPEN_GATE_VALVE   201
#define IDS_INVALID_PARAMETER 202
#define IDS_INVALID_FILENAME  203
#define IDS_IN_TRANSITION     250
#define IDS_CAL_STANDBY_ONLY  251
#define IDS_CAL_TAKES_15S     252
#define IDS_TORCH_NOT_INIT    253
#define IDS_OMEGA_LENS_CE     300
#define IDS_OMEGA_BIAS_CE     301
#define IDS_OFFSET_CONFIRM    400
#define IDS_AR_LINE_FAULT     451
#define IDS_OFFSET_RANGE_PLDP 452 /* 452..459: the eight sensor range messages */

/* ---- dialog templates (the number is the template's name and help topic) ---- */
#define IDD_VACUUM       225
#define IDD_RF_226       226
#define IDD_IGNITION     258
#define IDD_VACUUM_PARAM 259
#define IDD_QP           261
#define IDD_LENS_263     263
#define IDD_OCTOPOLE     266
#define IDD_DETECTOR     267
#define IDD_WATER        268
#define IDD_GAS_269      269
#define IDD_CHILLER      270
#define IDD_PERIPUMP     271
#define IDD_XYZ          272
#define IDD_HOUSING      274
#define IDD_LENS_289     289
#define IDD_CALLENS_293  293
#define IDD_CALLENS_294  294
#define IDD_RF_314       314
#define IDD_LENS_320     320
#define IDD_CALLENS_321  321
#define IDD_GAS_336      336
#define IDD_GAS_OFFSET   343

/* ---- standard controls, shared by every template ---- */
#define IDC_ENTER   1    /* IDOK */
#define IDC_ESCAPE  2    /* IDCANCEL: the Escape key, or the Cancel button of a sub-dialog */
#define IDC_CLOSE   8
#define IDC_HELPBTN    9
#define IDC_UPDATE  1000
#define IDC_DLGINFO 99   /* the DLGINFO control naming the template */
#define IDC_PENDING_NOTE 98 /* the note of a panel not built yet */

/* ---- 225 Vacuum Maintenance ---- */
#define IDC_VAC_RP1          22500
#define IDC_VAC_RP2          22501
#define IDC_VAC_BACKING      22502
#define IDC_VAC_TPI          22503
#define IDC_VAC_TPA          22504
#define IDC_VAC_PENNING      22505
#define IDC_VAC_IFVALVE      22506
#define IDC_VAC_GATE         22507
#define IDC_VAC_PURGE        22508
#define IDC_VAC_S75          22509
#define IDC_VAC_TMPFAN       22510
#define IDC_VAC_IGNORE_TO    22511
#define IDC_VAC_EVAC         22512
#define IDC_VAC_SYSPARAM     22513
#define IDC_VAC_OUTPUTS      22514 /* group "Outputs" */
#define IDC_VAC_INPUTS       22515 /* group "Inputs" */
#define IDC_VAC_SYSGROUP     22516 /* group "System Parameters" */
#define IDC_VAC_IGNORE_NOTE  22517 /* "(ShutDown->Standby)" */
/* Inputs: label, value and unit of each display. */
#define IDC_VAC_PIIF_L       22520
#define IDC_VAC_PIIF         22521
#define IDC_VAC_PIIF_U       22522
#define IDC_VAC_PIBK_L       22523
#define IDC_VAC_PIBK         22524
#define IDC_VAC_PIBK_U       22525
#define IDC_VAC_PGAN_L       22526
#define IDC_VAC_PGAN         22527
#define IDC_VAC_PGAN_U       22528
#define IDC_VAC_RTPI_L       22529
#define IDC_VAC_RTPI         22530
#define IDC_VAC_RTPI_U       22531
#define IDC_VAC_RTPA_L       22532
#define IDC_VAC_RTPA         22533
#define IDC_VAC_RTPA_U       22534
#define IDC_VAC_ITPI_L       22535
#define IDC_VAC_ITPI         22536
#define IDC_VAC_ITPI_U       22537
#define IDC_VAC_ITPA_L       22538
#define IDC_VAC_ITPA         22539
#define IDC_VAC_ITPA_U       22540
#define IDC_VAC_VP75_L       22541
#define IDC_VAC_VP75         22542
#define IDC_VAC_VP75_U       22543
#define IDC_VAC_ERRBRK_L     22544
#define IDC_VAC_ERRBRK       22545
#define IDC_VAC_FNTP_L       22546
#define IDC_VAC_FNTP         22547
#define IDC_VAC_GVERR_L      22548
#define IDC_VAC_GVERR        22549
#define IDC_VAC_MVM_L        22550
#define IDC_VAC_MVM          22551
#define IDC_VAC_MVM_U        22552
#define IDC_VAC_IISOV_L      22553
#define IDC_VAC_IISOV        22554
#define IDC_VAC_IISOV_U      22555
#define IDC_VAC_CVM_L        22556
#define IDC_VAC_CVM          22557
#define IDC_VAC_CVM_U        22558
#define IDC_VAC_CCM_L        22559
#define IDC_VAC_CCM          22560
#define IDC_VAC_CCM_U        22561
#define IDC_VAC_ISOV1_L      22562
#define IDC_VAC_ISOV1        22563
#define IDC_VAC_ISOV2_L      22564
#define IDC_VAC_ISOV2        22565
#define IDC_VAC_VAON_L       22566
#define IDC_VAC_VAON         22567
#define IDC_VAC_IFVOPN_L     22568
#define IDC_VAC_IFVOPN       22569
#define IDC_VAC_IFVERR_L     22570
#define IDC_VAC_IFVERR       22571
#define IDC_VAC_TPSD_L       22572
#define IDC_VAC_TPSD         22573

/* ---- 226 / 314 Plasma RF Maintenance: controls of both templates ---- */
#define IDC_RF_OUTPUTS         22600 /* group "Outputs" */
#define IDC_RF_UTILITIES       22601 /* group "Utilities" */
#define IDC_RF_SEQUENCE        22602 /* group "Sequence" */
#define IDC_RF_INPUTS          22603 /* group "Inputs" */
#define IDC_RF_ERRORS          22604 /* group "Error Inputs" */
#define IDC_RF_SYSGROUP        22605 /* group "System Parameters" */
#define IDC_RF_SRRM            22606
#define IDC_RF_RFFAN           22607
#define IDC_RF_S24             22608
#define IDC_RF_RFOSC           22609
#define IDC_RF_IGNT            22610
#define IDC_RF_SVAG            22611
#define IDC_RF_SVOP            22612
#define IDC_RF_SVW             22613
#define IDC_RF_XYZ_INIT        22614
#define IDC_RF_PLASMA_ON       22615
#define IDC_RF_PLASMA_OFF      22616
#define IDC_RF_SYSPARAM        22617
/* Output fields: caption, field and unit of each. */
#define IDC_RF_PF_L            22620
#define IDC_RF_PF              22621
#define IDC_RF_PF_U            22622
#define IDC_RF_PRLMT_L         22623
#define IDC_RF_PRLMT           22624
#define IDC_RF_PRLMT_U         22625
#define IDC_RF_SRPS_L          22626
#define IDC_RF_SRPS            22627
#define IDC_RF_SRPS_U          22628
#define IDC_RF_SHPS_L          22629
#define IDC_RF_SHPS            22630
#define IDC_RF_SHPS_U          22631
#define IDC_RF_PLGS_L          22632
#define IDC_RF_PLGS            22633
#define IDC_RF_PLGS_U          22634
#define IDC_RF_AXGS_L          22635
#define IDC_RF_AXGS            22636
#define IDC_RF_AXGS_U          22637
#define IDC_RF_CRGS_L          22638
#define IDC_RF_CRGS            22639
#define IDC_RF_CRGS_U          22640
#define IDC_RF_MUGS_L          22641
#define IDC_RF_MUGS            22642
#define IDC_RF_MUGS_U          22643
#define IDC_RF_OPGS_L          22644
#define IDC_RF_OPGS            22645
#define IDC_RF_OPGS_U          22646
#define IDC_RF_PUMP1_L         22647
#define IDC_RF_PUMP1           22648
#define IDC_RF_PUMP1_U         22649
#define IDC_RF_PUMP2_L         22650
#define IDC_RF_PUMP2           22651
#define IDC_RF_PUMP2_U         22652
/* Input displays, one per reading (a reading both generators give keeps its id). */
#define IDC_RF_IN_PSRAW        22660
#define IDC_RF_IN_RFVDER       22661
#define IDC_RF_IN_RFIDER       22662
#define IDC_RF_IN_RFTMPE       22663
#define IDC_RF_IN_UNBLER       22664
#define IDC_RF_IN_DCNCER       22665
#define IDC_RF_IN_RFLVER       22666
#define IDC_RF_IN_RFFANER      22667
#define IDC_RF_IN_MNBFAN       22668
#define IDC_RF_IN_SRLMTA       22669
#define IDC_RF_IN_SRLMTB       22670
#define IDC_RF_IN_SHLMTA       22671
#define IDC_RF_IN_SHLMTB       22672
#define IDC_RF_IN_PSON         22673
#define IDC_RF_IN_PF           22674
#define IDC_RF_IN_PR           22675
#define IDC_RF_IN_SRPS         22676
#define IDC_RF_IN_SHPS         22677
#define IDC_RF_IN_ID1          22678
#define IDC_RF_IN_ID2          22679
#define IDC_RF_IN_ID3          22680
#define IDC_RF_IN_ID4          22681
#define IDC_RF_IN_TTA          22682
#define IDC_RF_IN_TTB          22683
#define IDC_RF_IN_VDA          22684
#define IDC_RF_IN_VDB          22685
#define IDC_RF_IN_IDD          22686
#define IDC_RF_IN_RFV12        22687
#define IDC_RF_IN_RFBI         22688
#define IDC_RF_IN_RFBIAS       22689
#define IDC_RF_IN_IGNT         22690
#define IDC_RF_IN_CHK12V       22691
#define IDC_RF_IN_CHKP5        22692
#define IDC_RF_IN_CHKPH        22693

/* ---- 258 Plasma Ignition System Parameters ---- */
/* Edit fields, named by row and phase (1 Purge, 2 Pre-Ignition, 3 Ramp, 4 At Ignition, 5 Post). */
#define IDC_IGN_PLGS1          25800
#define IDC_IGN_PLGS2          25801
#define IDC_IGN_PLGS5          25802
#define IDC_IGN_AXGS1          25803
#define IDC_IGN_AXGS2          25804
#define IDC_IGN_AXGS5          25805
#define IDC_IGN_CRGS1          25806
#define IDC_IGN_CRGS2          25807
#define IDC_IGN_CRGSORGN2      25808
#define IDC_IGN_MUGS1          25809
#define IDC_IGN_MUGS2          25810
#define IDC_IGN_OPGS1          25811
#define IDC_IGN_OPGS2          25812
#define IDC_IGN_SRPS1          25813
#define IDC_IGN_SHPS1          25814
#define IDC_IGN_SHPS5          25815
#define IDC_IGN_PF2            25816
#define IDC_IGN_PF3            25817
#define IDC_IGN_PF4            25818
#define IDC_IGN_PF5            25819
#define IDC_IGN_PFORGN5        25820
#define IDC_IGN_PRLMT2         25821
#define IDC_IGN_PRLMT5         25822
#define IDC_IGN_PR2            25823
#define IDC_IGN_TIME1          25824
#define IDC_IGN_TIME2          25825
#define IDC_IGN_TIME4          25826
#define IDC_IGN_XPOS4          25827
#define IDC_IGN_SRPS_TOUT      25828
#define IDC_IGN_SRPS_TOL       25829
#define IDC_IGN_SHPS_TOUT      25830
#define IDC_IGN_SHPS_TOL       25831
/* Mirrors: static cells repeating another field of their row (or of the row above). */
#define IDC_IGN_PLGS3_M        25840
#define IDC_IGN_PLGS4_M        25841
#define IDC_IGN_AXGS3_M        25842
#define IDC_IGN_AXGS4_M        25843
#define IDC_IGN_CRGS3_M        25844
#define IDC_IGN_CRGS4_M        25845
#define IDC_IGN_CRGSORGN1_M    25846
#define IDC_IGN_CRGSORGN3_M    25847
#define IDC_IGN_CRGSORGN4_M    25848
#define IDC_IGN_MUGS3_M        25849
#define IDC_IGN_MUGS4_M        25850
#define IDC_IGN_OPGS3_M        25851
#define IDC_IGN_OPGS4_M        25852
#define IDC_IGN_SHPS2_M        25853
#define IDC_IGN_SHPS3_M        25854
#define IDC_IGN_SHPS4_M        25855
#define IDC_IGN_PFORGN2_M      25856
#define IDC_IGN_PFORGN3_M      25857
#define IDC_IGN_PFORGN4_M      25858
#define IDC_IGN_PRLMT3_M       25859
#define IDC_IGN_PRLMT4_M       25860
/* "NA" and "Tune" cells. */
#define IDC_IGN_CRGS5_TUNE     25870
#define IDC_IGN_CRGSORGN5_TUNE 25871
#define IDC_IGN_MUGS5_TUNE     25872
#define IDC_IGN_OPGS5_TUNE     25873
#define IDC_IGN_SRPS2_NA       25874
#define IDC_IGN_SRPS3_NA       25875
#define IDC_IGN_SRPS4_NA       25876
#define IDC_IGN_SRPS5_NA       25877
#define IDC_IGN_PF1_NA         25878
#define IDC_IGN_PFORGN1_NA     25879
#define IDC_IGN_PRLMT1_NA      25880
#define IDC_IGN_PR1_NA         25881
#define IDC_IGN_PR3_NA         25882
#define IDC_IGN_PR4_NA         25883
#define IDC_IGN_PR5_NA         25884
#define IDC_IGN_TIME3_NA       25885
#define IDC_IGN_TIME5_NA       25886
#define IDC_IGN_XPOS1_NA       25887
#define IDC_IGN_XPOS2_NA       25888
#define IDC_IGN_XPOS3_NA       25889
#define IDC_IGN_XPOS5_TUNE     25890

/* ---- 259 Vacuum System Parameters ---- */
#define IDC_VSP_NORMAL       25900 /* "[Normal]" */
#define IDC_VSP_RCELL        25901 /* "[Reaction Cell]" */
#define IDC_VSP_HEAD1        25902 /* column headings 1..7: 25902..25908 */
#define IDC_VSP_GAUGE1       25910 /* gauge labels 1..7: 25910..25916 */
#define IDC_VSP_ROW_ENTRY    25920 /* row labels */
#define IDC_VSP_ROW_ERROR    25921
#define IDC_VSP_ROW_TIMEOUT1 25922
#define IDC_VSP_ROW_TIMEOUT2 25923
#define IDC_VSP_ROW_WARNLO   25924
#define IDC_VSP_ROW_WARNHI   25925
#define IDC_VSP_ROW_DELAY    25926
#define IDC_VSP_ROW_TSLOW    25927
#define IDC_VSP_ROW_RC_ERROR 25928
#define IDC_VSP_ROW_RC_WARN  25929
#define IDC_VSP_ROW_RC_TO    25930
#define IDC_VSP_RC_NORMAL7   25931 /* the "Normal" note of the reaction-cell error row, column 7 */
#define IDC_VSP_TURBO_GROUP  25932 /* "Turbo Pump Revolution" */
#define IDC_VSP_TPI_HEAD     25933
#define IDC_VSP_TPA_HEAD     25934
#define IDC_VSP_TP_ROW_ANA   25935
#define IDC_VSP_TP_ROW_SD    25936
#define IDC_VSP_TP_ROW_STB   25937
#define IDC_VSP_AUTOS_L      25938
/* Edit fields, from "Entry Press" of column 1 to the last reaction-cell field. */
#define IDC_VSP_FIRST_FIELD  25940
#define IDC_VSP_ENTRY1       25940
#define IDC_VSP_ERROR1       25941
#define IDC_VSP_TO1_1        25942
#define IDC_VSP_ENTRY2       25943
#define IDC_VSP_ERROR2       25944
#define IDC_VSP_TO1_2        25945
#define IDC_VSP_ENTRY3       25946
#define IDC_VSP_ERROR3       25947
#define IDC_VSP_TO1_3        25948
#define IDC_VSP_TO2_3        25949
#define IDC_VSP_ENTRY4       25950
#define IDC_VSP_ERROR4       25951
#define IDC_VSP_TO1_4        25952
#define IDC_VSP_TO2_4        25953
#define IDC_VSP_ENTRY5       25954
#define IDC_VSP_ERROR5       25955
#define IDC_VSP_TO1_5        25956
#define IDC_VSP_ERROR6       25957
#define IDC_VSP_WARNLO6      25958
#define IDC_VSP_WARNHI6      25959
#define IDC_VSP_DELAY4       25960
#define IDC_VSP_TSLOW3       25961
#define IDC_VSP_ENTRY7       25962
#define IDC_VSP_ERROR7       25963
#define IDC_VSP_TO1_7        25964
#define IDC_VSP_TPI_ANA      25965
#define IDC_VSP_TPI_SD       25966
#define IDC_VSP_TPA_ANA      25967
#define IDC_VSP_TPA_SD       25968
#define IDC_VSP_TPI_STB      25969
#define IDC_VSP_TPA_STB      25970
#define IDC_VSP_AUTOS        25971
#define IDC_VSP_RC_ERROR1    25972
#define IDC_VSP_RC_ERROR3    25973
#define IDC_VSP_RC_WARNHI3   25974
#define IDC_VSP_RC_TO3       25975
#define IDC_VSP_RC_ERROR5    25976
#define IDC_VSP_RC_WARNHI5   25977
#define IDC_VSP_RC_TO5       25978
#define IDC_VSP_LAST_FIELD   25978

/* ---- 261 QP Maintenance ---- */
#define IDC_QP_S24           26100
#define IDC_QP_S24_V         26101
#define IDC_QP_S24_U         26102
#define IDC_QP_OUTPUTS       26103
#define IDC_QP_IGNORE        26104
#define IDC_QP_FAN           26105
#define IDC_QP_PICKUP        26106
#define IDC_QP_BIAS20        26107
#define IDC_QP_MASS_L        26108
#define IDC_QP_MASS          26109
#define IDC_QP_MASS_U        26110
#define IDC_QP_PBIA_L        26111
#define IDC_QP_PBIA          26112
#define IDC_QP_PBIA_U        26113
#define IDC_QP_RESET         26114
#define IDC_QP_SYSGROUP      26115
#define IDC_QP_FREQ_L        26116
#define IDC_QP_FREQ          26117
#define IDC_QP_FREQ_U        26118
#define IDC_QP_AMUGIN_L      26119
#define IDC_QP_AMUGIN        26120
#define IDC_QP_AMUOFST_L     26121
#define IDC_QP_AMUOFST       26122
#define IDC_QP_AXGAIN_L      26123
#define IDC_QP_AXGAIN        26124
#define IDC_QP_AXOFST_L      26125
#define IDC_QP_AXOFST        26126
#define IDC_QP_LINMASS_L     26127
#define IDC_QP_LINMASS       26128
#define IDC_QP_LINMASS_U     26129
#define IDC_QP_ULIN_L        26130
#define IDC_QP_ULIN          26131
#define IDC_QP_LINFACT_L     26132
#define IDC_QP_LINFACT       26133
#define IDC_QP_VLIN_L        26134
#define IDC_QP_VLIN          26135
#define IDC_QP_STBMS_L       26136
#define IDC_QP_STBMS         26137
#define IDC_QP_STBMS_U       26138
#define IDC_QP_TPICKUP_L     26139
#define IDC_QP_TPICKUP       26140
#define IDC_QP_TPICKUP_U     26141
#define IDC_QP_TPOWER_L      26142
#define IDC_QP_TPOWER        26143
#define IDC_QP_TPOWER_U      26144
#define IDC_QP_HVP_UP_L      26145
#define IDC_QP_HVP_UP        26146
#define IDC_QP_HVP_UP_U      26147
#define IDC_QP_HVP_LO_L      26148
#define IDC_QP_HVP_LO        26149
#define IDC_QP_HVP_LO_U      26150
#define IDC_QP_HVN_UP_L      26151
#define IDC_QP_HVN_UP        26152
#define IDC_QP_HVN_UP_U      26153
#define IDC_QP_HVN_LO_L      26154
#define IDC_QP_HVN_LO        26155
#define IDC_QP_HVN_LO_U      26156
#define IDC_QP_BITS          26157
#define IDC_QP_RFER_L        26158
#define IDC_QP_RFER          26159
#define IDC_QP_FANER_L       26160
#define IDC_QP_FANER         26161
#define IDC_QP_ANALOG        26162
#define IDC_QP_MSPF_L        26163
#define IDC_QP_MSPF          26164
#define IDC_QP_MSPF_U        26165
#define IDC_QP_QPFAD_L       26166
#define IDC_QP_QPFAD         26167
#define IDC_QP_QPFAD_U       26168
#define IDC_QP_MSRF_L        26169
#define IDC_QP_MSRF          26170
#define IDC_QP_MSRF_U        26171
#define IDC_QP_UVPOS_L       26172
#define IDC_QP_UVPOS         26173
#define IDC_QP_UVPOS_U       26174
#define IDC_QP_UVNEG_L       26175
#define IDC_QP_UVNEG         26176
#define IDC_QP_UVNEG_U       26177
#define IDC_QP_VV_L          26178
#define IDC_QP_VV            26179
#define IDC_QP_VV_U          26180
#define IDC_QP_QPPHC_L       26181
#define IDC_QP_QPPHC         26182
#define IDC_QP_QPPHC_U       26183
#define IDC_QP_PBMON_L       26184
#define IDC_QP_PBMON         26185
#define IDC_QP_PBMON_U       26186
#define IDC_QP_TMPQP_L       26187
#define IDC_QP_TMPQP         26188
#define IDC_QP_TMPQP_U       26189
#define IDC_QP_TMPQPP_L      26190
#define IDC_QP_TMPQPP        26191
#define IDC_QP_TMPQPP_U      26192
#define IDC_QP_P600V_L       26193
#define IDC_QP_P600V         26194
#define IDC_QP_P600V_U       26195
#define IDC_QP_N600V_L       26196
#define IDC_QP_N600V         26197
#define IDC_QP_N600V_U       26198

/* ---- 263 Lenses Maintenance ---- */
#define IDC_L263_S24         26300
#define IDC_L263_S24_V       26301
#define IDC_L263_S24_U       26302
#define IDC_L263_OUTPUTS     26303
#define IDC_L263_HV          26304
#define IDC_L263_INPUTS      26310
#define IDC_L263_RANGE0      26320
#define IDC_L263_RANGE1      26321
#define IDC_L263_RANGE2      26322
#define IDC_L263_RANGE3      26323
#define IDC_L263_RANGE4      26324
#define IDC_L263_RANGE5      26325
#define IDC_L263_CAP0        26330
#define IDC_L263_CAP1        26331
#define IDC_L263_CAP2        26332
#define IDC_L263_CAP3        26333
#define IDC_L263_CAP4        26334
#define IDC_L263_CAP5        26335
#define IDC_L263_FIELD0      26340 /* lens 1 */
#define IDC_L263_FIELD1      26341 /* lens 2 */
#define IDC_L263_FIELD2      26342 /* lens 3 */
#define IDC_L263_FIELD3      26343 /* lens 5 */
#define IDC_L263_FIELD4      26344 /* lens 6 */
#define IDC_L263_FIELD5      26345 /* lens 7 */
#define IDC_L263_UNIT0       26350
#define IDC_L263_UNIT1       26351
#define IDC_L263_UNIT2       26352
#define IDC_L263_UNIT3       26353
#define IDC_L263_UNIT4       26354
#define IDC_L263_UNIT5       26355
#define IDC_L263_INCAP0      26360
#define IDC_L263_INCAP1      26361
#define IDC_L263_INCAP2      26362
#define IDC_L263_INCAP3      26363
#define IDC_L263_INCAP4      26364
#define IDC_L263_INCAP5      26365
#define IDC_L263_READ0       26370
#define IDC_L263_READ1       26371
#define IDC_L263_READ2       26372
#define IDC_L263_READ3       26373
#define IDC_L263_READ4       26374
#define IDC_L263_READ5       26375
#define IDC_L263_INUNIT0     26380
#define IDC_L263_INUNIT1     26381
#define IDC_L263_INUNIT2     26382
#define IDC_L263_INUNIT3     26383
#define IDC_L263_INUNIT4     26384
#define IDC_L263_INUNIT5     26385
#define IDC_L263_HVL5_L      26390
#define IDC_L263_HVL5        26391
#define IDC_L263_HVL12_L     26392
#define IDC_L263_HVL12       26393
#define IDC_L263_MVP_L       26394
#define IDC_L263_MVP         26395
#define IDC_L263_MVN_L       26396
#define IDC_L263_MVN         26397
#define IDC_L263_HVP_L       26398
#define IDC_L263_HVP         26399

/* ---- 271 PeriPump Maintenance ---- */
#define IDC_PUMP_OUTPUTS     27100
#define IDC_PUMP_NEB_L       27101
#define IDC_PUMP_NEB         27102
#define IDC_PUMP_NEB_U       27103
#define IDC_PUMP_SMP_L       27104
#define IDC_PUMP_SMP         27105
#define IDC_PUMP_SMP_U       27106

/* ---- 274 Housing Maintenance ---- */
#define IDC_HSG_S24          27400
#define IDC_HSG_S24_V        27401
#define IDC_HSG_S24_U        27402
#define IDC_HSG_INPUTS       27403
#define IDC_HSG_COVR_L       27404
#define IDC_HSG_COVR         27405
#define IDC_HSG_CVOPNER_L    27406
#define IDC_HSG_CVOPNER      27407
#define IDC_HSG_ERRPW2_L     27408
#define IDC_HSG_ERRPW2       27409
#define IDC_HSG_V24ER_L      27410
#define IDC_HSG_V24ER        27411
#define IDC_HSG_ERRPW3_L     27412
#define IDC_HSG_ERRPW3       27413
#define IDC_HSG_ERRPW4_L     27414
#define IDC_HSG_ERRPW4       27415
#define IDC_HSG_ERRPW5_L     27416
#define IDC_HSG_ERRPW5       27417
#define IDC_HSG_TMP1_L       27418
#define IDC_HSG_TMP1         27419
#define IDC_HSG_TMP1_U       27420
#define IDC_HSG_TMP3_L       27421
#define IDC_HSG_TMP3         27422
#define IDC_HSG_TMP3_U       27423
#define IDC_HSG_LIMITS       27424 /* group "System Paramters" */
#define IDC_HSG_WARN_HEAD    27425
#define IDC_HSG_ERROR_HEAD   27426
#define IDC_HSG_LIM1_L       27427
#define IDC_HSG_TMP1_WARN    27428
#define IDC_HSG_TMP1_ERROR   27429
#define IDC_HSG_LIM1_U       27430
#define IDC_HSG_LIM3_L       27431
#define IDC_HSG_TMP3_WARN    27432
#define IDC_HSG_TMP3_ERROR   27433
#define IDC_HSG_LIM3_U       27434

/* ---- 289 Lenses Maintenance ---- */
#define IDC_L289_S24         28900
#define IDC_L289_S24_V       28901
#define IDC_L289_S24_U       28902
#define IDC_L289_OUTPUTS     28903
#define IDC_L289_HV          28904
#define IDC_L289_INPUTS      28910
#define IDC_L289_RANGE0      28920
#define IDC_L289_RANGE1      28921
#define IDC_L289_RANGE2      28922
#define IDC_L289_RANGE3      28923
#define IDC_L289_RANGE4      28924
#define IDC_L289_RANGE5      28925
#define IDC_L289_RANGE6      28926
#define IDC_L289_RANGE7      28927
#define IDC_L289_RANGE8      28928
#define IDC_L289_CAP0        28930
#define IDC_L289_CAP1        28931
#define IDC_L289_CAP2        28932
#define IDC_L289_CAP3        28933
#define IDC_L289_CAP4        28934
#define IDC_L289_CAP5        28935
#define IDC_L289_CAP6        28936
#define IDC_L289_CAP7        28937
#define IDC_L289_CAP8        28938
#define IDC_L289_FIELD0      28940 /* lens 1 */
#define IDC_L289_FIELD1      28941 /* lens 2 */
#define IDC_L289_FIELD2      28942 /* lens 4 */
#define IDC_L289_FIELD3      28943 /* lens 3 */
#define IDC_L289_FIELD4      28944 /* lens 5 */
#define IDC_L289_FIELD5      28945 /* lens 6 */
#define IDC_L289_FIELD6      28946 /* lens 7 */
#define IDC_L289_FIELD7      28947 /* lens 10 */
#define IDC_L289_FIELD8      28948 /* lens 9 */
#define IDC_L289_UNIT0       28950
#define IDC_L289_UNIT1       28951
#define IDC_L289_UNIT2       28952
#define IDC_L289_UNIT3       28953
#define IDC_L289_UNIT4       28954
#define IDC_L289_UNIT5       28955
#define IDC_L289_UNIT6       28956
#define IDC_L289_UNIT7       28957
#define IDC_L289_UNIT8       28958
#define IDC_L289_INCAP0      28960
#define IDC_L289_INCAP1      28961
#define IDC_L289_INCAP2      28962
#define IDC_L289_INCAP3      28963
#define IDC_L289_INCAP4      28964
#define IDC_L289_INCAP5      28965
#define IDC_L289_INCAP6      28966
#define IDC_L289_INCAP7      28967
#define IDC_L289_INCAP8      28968
#define IDC_L289_READ0       28970
#define IDC_L289_READ1       28971
#define IDC_L289_READ2       28972
#define IDC_L289_READ3       28973
#define IDC_L289_READ4       28974
#define IDC_L289_READ5       28975
#define IDC_L289_READ6       28976
#define IDC_L289_READ7       28977
#define IDC_L289_READ8       28978
#define IDC_L289_INUNIT0     28980
#define IDC_L289_INUNIT1     28981
#define IDC_L289_INUNIT2     28982
#define IDC_L289_INUNIT3     28983
#define IDC_L289_INUNIT4     28984
#define IDC_L289_INUNIT5     28985
#define IDC_L289_INUNIT6     28986
#define IDC_L289_INUNIT7     28987
#define IDC_L289_INUNIT8     28988
#define IDC_L289_HVL5_L      28990
#define IDC_L289_HVL5        28991
#define IDC_L289_HVL12_L     28992
#define IDC_L289_HVL12       28993
#define IDC_L289_MVP_L       28994
#define IDC_L289_MVP         28995
#define IDC_L289_MVN_L       28996
#define IDC_L289_MVN         28997
#define IDC_L289_HVP_L       28998
#define IDC_L289_HVP         28999

/* ---- 293, 294, 321 Lenses Calibration (fixed ids) ---- */
#define IDC_CAL_CALIBRATE    1002
#define IDC_CAL_LENS1_SLOPE  1011
#define IDC_CAL_LENS2_SLOPE  1012
#define IDC_CAL_LENS3_SLOPE  1013
#define IDC_CAL_LENS4_SLOPE  1014
#define IDC_CAL_LENS5_SLOPE  1015
#define IDC_CAL_LENS6_SLOPE  1016
#define IDC_CAL_LENS7_SLOPE  1017
#define IDC_CAL_LENS9_SLOPE  1019
#define IDC_CAL_LENS10_SLOPE 1020
#define IDC_CAL_GATE_OPEN_SLOPE 1021
#define IDC_CAL_GATE_CLOSE_SLOPE 1022
#define IDC_CAL_LENS1_OFFSET 1031
#define IDC_CAL_LENS2_OFFSET 1032
#define IDC_CAL_LENS3_OFFSET 1033
#define IDC_CAL_LENS4_OFFSET 1034
#define IDC_CAL_LENS5_OFFSET 1035
#define IDC_CAL_LENS6_OFFSET 1036
#define IDC_CAL_LENS7_OFFSET 1037
#define IDC_CAL_LENS9_OFFSET 1039
#define IDC_CAL_LENS10_OFFSET 1040
#define IDC_CAL_GATE_OPEN_OFFSET 1041
#define IDC_CAL_GATE_CLOSE_OFFSET 1042
#define IDC_CAL_LENS2_L      2000 /* label of lens 2 in 321 */
#define IDC_CAL_LENS4_L      2001 /* label of lens 4 in 321 */

/* ---- 293 Lenses Calibration ---- */
#define IDC_C293_SLOPE_HEAD  29300
#define IDC_C293_OFFSET_HEAD 29301
#define IDC_C293_ROW0_L      29310
#define IDC_C293_ROW1_L      29311
#define IDC_C293_ROW2_L      29312
#define IDC_C293_ROW3_L      29313
#define IDC_C293_ROW4_L      29314
#define IDC_C293_ROW5_L      29315
#define IDC_C293_ROW6_L      29316
#define IDC_C293_ROW7_L      29317
#define IDC_C293_ROW8_L      29318
#define IDC_C293_ROW9_L      29319
#define IDC_C293_ROW10_L     29320

/* ---- 294 Lenses Calibration ---- */
#define IDC_C294_SLOPE_HEAD  29400
#define IDC_C294_OFFSET_HEAD 29401
#define IDC_C294_ROW0_L      29410
#define IDC_C294_ROW1_L      29411
#define IDC_C294_ROW2_L      29412
#define IDC_C294_ROW3_L      29413
#define IDC_C294_ROW4_L      29414
#define IDC_C294_ROW5_L      29415
#define IDC_C294_ROW6_L      29416
#define IDC_C294_ROW7_L      29417
#define IDC_C294_ROW8_L      29418

/* ---- 314 Plasma RF Maintenance: the new generator's own displays ---- */
#define IDC_RF_IN_RFFBER       31400
#define IDC_RF_IN_PRER         31401
#define IDC_RF_IN_RF48VER      31402
#define IDC_RF_IN_VLOW         31403
#define IDC_RF_IN_VD           31404
#define IDC_RF_IN_RF48V        31405
#define IDC_RF_IN_RFDV         31406
#define IDC_RF_IN_RFTH         31407
#define IDC_RF_IN_RFTHS        31408
#define IDC_RF_IN_RFDVS        31409
#define IDC_RF_IN_UNBL         31410

/* ---- 320 Lenses Maintenance ---- */
#define IDC_L320_S24         32000
#define IDC_L320_S24_V       32001
#define IDC_L320_S24_U       32002
#define IDC_L320_OUTPUTS     32003
#define IDC_L320_HV          32004
#define IDC_L320_INPUTS      32010
#define IDC_L320_RANGE0      32020
#define IDC_L320_RANGE1      32021
#define IDC_L320_RANGE2      32022
#define IDC_L320_RANGE3      32023
#define IDC_L320_RANGE4      32024
#define IDC_L320_RANGE5      32025
#define IDC_L320_RANGE6      32026
#define IDC_L320_CAP0        32030
#define IDC_L320_CAP1        32031
#define IDC_L320_CAP2        32032
#define IDC_L320_CAP3        32033
#define IDC_L320_CAP4        32034
#define IDC_L320_CAP5        32035
#define IDC_L320_CAP6        32036
#define IDC_L320_FIELD0      32040 /* lens 1 */
#define IDC_L320_FIELD1      32041 /* lens 3 */
#define IDC_L320_FIELD2      32042 /* lens 4 */
#define IDC_L320_FIELD3      32043 /* lens 2 */
#define IDC_L320_FIELD4      32044 /* lens 5 */
#define IDC_L320_FIELD5      32045 /* lens 6 */
#define IDC_L320_FIELD6      32046 /* lens 7 */
#define IDC_L320_UNIT0       32050
#define IDC_L320_UNIT1       32051
#define IDC_L320_UNIT2       32052
#define IDC_L320_UNIT3       32053
#define IDC_L320_UNIT4       32054
#define IDC_L320_UNIT5       32055
#define IDC_L320_UNIT6       32056
#define IDC_L320_INCAP0      32060
#define IDC_L320_INCAP1      32061
#define IDC_L320_INCAP2      32062
#define IDC_L320_INCAP3      32063
#define IDC_L320_INCAP4      32064
#define IDC_L320_INCAP5      32065
#define IDC_L320_INCAP6      32066
#define IDC_L320_READ0       32070
#define IDC_L320_READ1       32071
#define IDC_L320_READ2       32072
#define IDC_L320_READ3       32073
#define IDC_L320_READ4       32074
#define IDC_L320_READ5       32075
#define IDC_L320_READ6       32076
#define IDC_L320_INUNIT0     32080
#define IDC_L320_INUNIT1     32081
#define IDC_L320_INUNIT2     32082
#define IDC_L320_INUNIT3     32083
#define IDC_L320_INUNIT4     32084
#define IDC_L320_INUNIT5     32085
#define IDC_L320_INUNIT6     32086
#define IDC_L320_HVL5_L      32090
#define IDC_L320_HVL5        32091
#define IDC_L320_HVL12_L     32092
#define IDC_L320_HVL12       32093
#define IDC_L320_MVP_L       32094
#define IDC_L320_MVP         32095
#define IDC_L320_MVN_L       32096
#define IDC_L320_MVN         32097
#define IDC_L320_HVP_L       32098
#define IDC_L320_HVP         32099

/* ---- 321 Lenses Calibration ---- */
#define IDC_C321_SLOPE_HEAD  32100
#define IDC_C321_OFFSET_HEAD 32101
#define IDC_C321_ROW0_L      32110
#define IDC_C321_ROW2_L      32112
#define IDC_C321_ROW4_L      32114
#define IDC_C321_ROW5_L      32115
#define IDC_C321_ROW6_L      32116
#define IDC_C321_ROW7_L      32117
#define IDC_C321_ROW8_L      32118
#define IDC_C321_ROW9_L      32119

#endif
